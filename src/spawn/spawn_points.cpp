// The built-in spawn points: standable outdoor places over the whole map, in
// their fixed order (the non-close list spawn picks one by index). Rows 0, 1
// and 758 are fixed places; the others come from job, teleport and entrance lists.
#include "spawn/spawn_points.h"

const SpawnPoint builtInSpawnPoints[builtInSpawnPointCount] = {
    {17.7634f, -1325.77f, 29.461f},
    {-33.1708f, -1425.84f, 31.3591f},
    {-143.85f, -846.3f, 30.6f},
    {44.94f, -803.24f, 31.52f},
    {102.19f, -818.22f, 31.35f},
    {121.25f, -879.82f, 31.12f},
    {43.89f, -997.98f, 29.34f},
    {57.65f, -1003.72f, 29.36f},
    {135.44f, -1031.19f, 29.35f},
    {254.83f, -1013.25f, 29.27f},
    {285.55f, -937.26f, 29.39f},
    {301.12f, -883.47f, 29.28f},
    {258.66f, -830.44f, 29.58f},
    {232.2f, -714.55f, 35.78f},
    {245.5f, -677.7f, 37.75f},
    {268.54f, -640.44f, 42.02f},
    {222.32f, -596.71f, 43.87f},
    {168.11f, -567.17f, 43.87f},
    {239.06f, -409.27f, 47.92f},
    {252.86f, 357.13f, 105.53f},
    {138.67f, -285.45f, 50.45f},
    {61.86f, -260.86f, 52.35f},
    {76.29f, -233.15f, 51.4f},
    {50.78f, -136.23f, 55.2f},
    {26.84f, -168.84f, 55.54f},
    {-23.5f, -106.74f, 57.04f},
    {-87.82f, -83.55f, 57.82f},
    {-132.92f, -69.02f, 55.42f},
    {-263.61f, 98.88f, 69.3f},
    {-273.35f, 28.21f, 54.75f},
    {-315.48f, -3.76f, 48.2f},
    {-424.83f, 21.74f, 46.27f},
    {-500.95f, -18.65f, 45.13f},
    {-429.07f, -24.12f, 46.23f},
    {-437.89f, -66.91f, 43.0f},
    {-582.8f, -146.8f, 38.23f},
    {-622.23f, -210.97f, 37.33f},
    {-583.02f, -330.38f, 34.97f},
    {-666.69f, -329.06f, 35.2f},
    {-654.84f, -414.21f, 35.45f},
    {-714.58f, -675.37f, 30.63f},
    {-656.77f, -678.12f, 31.46f},
    {-660.88f, -900.72f, 24.61f},
    {-531.0f, -854.04f, 29.79f},
    {-41.15f, -1751.66f, 29.42f},
    {375.08f, 333.65f, 103.57f},
    {-705.7f, -905.46f, 19.22f},
    {-1223.77f, -912.26f, 12.33f},
    {-1482.29f, -378.95f, 40.16f},
    {1131.86f, -979.32f, 46.42f},
    {1163.79f, -314.6f, 69.21f},
    {-1150.31f, -1601.7f, 4.39f},
    {38.41f, -1005.3f, 29.48f},
    {376.7f, -1028.82f, 29.34f},
    {797.0f, -757.31f, 26.89f},
    {90.86f, 298.51f, 110.21f},
    {-562.25f, 283.98f, 82.18f},
    {-1413.43f, -635.47f, 28.67f},
    {136.5f, -1278.69f, 29.36f},
    {78.55f, 180.44f, 104.63f},
    {-229.54f, 293.59f, 92.19f},
    {-370.5f, 277.98f, 86.42f},
    {-395.17f, 208.6f, 83.59f},
    {-427.08f, 294.19f, 83.23f},
    {-592.48f, -892.76f, 25.93f},
    {-841.89f, -1127.91f, 6.97f},
    {-1039.38f, -1396.88f, 5.55f},
    {169.11f, -1633.38f, 29.29f},
    {175.78f, -1461.16f, 29.24f},
    {143.54f, -1481.18f, 29.36f},
    {-546.6f, 291.46f, 83.02f},
    {257.61f, -380.57f, 44.71f},
    {-48.58f, -790.12f, 44.22f},
    {240.06f, -862.77f, 29.73f},
    {826.0f, -1885.26f, 29.32f},
    {350.84f, -1974.13f, 24.52f},
    {-229.11f, -2043.16f, 27.75f},
    {-1053.23f, -2716.2f, 13.75f},
    {-774.04f, -1277.25f, 5.15f},
    {-1184.3f, -1304.16f, 5.24f},
    {-1321.28f, -833.8f, 16.95f},
    {-1613.99f, -1015.82f, 13.12f},
    {-1392.74f, -584.91f, 30.24f},
    {-515.19f, -260.29f, 35.53f},
    {-760.84f, -34.35f, 37.83f},
    {-1284.06f, 297.52f, 64.93f},
    {-808.29f, 828.88f, 202.89f},
    {-1074.39f, -266.64f, 37.75f},
    {-1412.07f, -591.75f, 30.38f},
    {-679.9f, -845.01f, 23.98f},
    {-158.05f, -1565.3f, 35.06f},
    {442.09f, -1684.33f, 29.25f},
    {1120.73f, -957.31f, 47.43f},
    {1238.85f, -377.73f, 69.03f},
    {922.24f, -2224.03f, 30.39f},
    {1920.93f, 3703.85f, 32.63f},
    {1662.55f, 4876.71f, 42.05f},
    {-9.51f, 6529.67f, 31.37f},
    {-3232.7f, 1013.16f, 12.09f},
    {-1604.09f, -401.66f, 42.35f},
    {-586.48f, -255.96f, 35.91f},
    {23.66f, -60.23f, 63.62f},
    {550.3f, 172.55f, 100.11f},
    {-1048.55f, -2540.58f, 13.69f},
    {-9.55f, -544.0f, 38.63f},
    {-7.86f, -258.22f, 46.9f},
    {-743.34f, 817.81f, 213.6f},
    {218.34f, 677.47f, 189.26f},
    {263.2f, 1138.81f, 221.75f},
    {220.64f, -1010.81f, 29.22f},
    {-635.665f, 44.155f, 42.697f},  // Sundale Apartments
    {-1446.769f, -538.531f, 34.74f},  // Seaside Apartments
    {-270.065f, -957.729f, 31.223f},  // Real Apartments
    {-264.127f, -959.895f, 31.223f},  // Raleside Apartments
    {-47.193f, -585.909f, 37.953f},  // Jinway Apartments
    {170.341f, -1871.043f, 24.4f},  // Cheap House 01
    {130.48f, -1853.747f, 25.235f},  // Cheap House 02
    {53.718f, -1873.839f, 22.63f},  // Cheap House 03
    {495.326f, -1823.291f, 28.87f},  // Cheap House 04
    {474.7f, -1757.711f, 29.092f},  // Cheap House 05
    {-46.407f, -1446.002f, 32.43f},  // Cheap House 06
    {16.901f, -1443.983f, 30.949f},  // Cheap House 07
    {-3100.001f, 211.422f, 14.07f},  // Beach House 01
    {-3093.763f, 349.423f, 7.544f},  // Beach House 02
    {-3088.771f, 392.197f, 11.451f},  // Beach House 03
    {-3078.048f, 659.09f, 11.668f},  // Beach House 04
    {-130.581f, 6551.999f, 29.872f},  // Paleto House 01
    {-368.145f, 6341.352f, 29.844f},  // Paleto House 02
    {166.951f, 473.754f, 142.513f},  // Vinewood House 01
    {80.682f, 485.895f, 148.202f},  // Vinewood House 02
    {107.315f, 467.913f, 147.374f},  // Vinewood House 03
    {-354.536f, 470.025f, 112.519f},  // Vinewood House 04
    {-355.579f, 459.523f, 116.467f},  // Vinewood House 05
    {-305.209f, 430.991f, 110.482f},  // Vinewood House 06
    {-400.519f, 427.401f, 112.341f},  // Vinewood House 07
    {-678.908f, 511.771f, 113.526f},  // Vinewood House 08
    {-718.639f, 448.938f, 106.909f},  // Vinewood House 09
    {-825.099f, 423.052f, 92.114f},  // Vinewood House 10
    {-873.085f, 562.54f, 96.62f},  // Vinewood House 11
    {-1673.282f, 386.107f, 89.348f},  // Vinewood House 12
    {-1931.321f, 362.619f, 93.976f},  // Mansion 01
    {-2008.448f, 366.775f, 94.814f},  // Mansion 02
    {-1943.671f, 449.364f, 102.927f},  // Mansion 03
    {-1465.378f, -34.278f, 55.05f},  // Mansion 04
    {-1548.751f, -89.299f, 54.929f},  // Mansion 05
    {-929.64f, 18.59f, 47.866f},  // Mansion 06
    {-896.073f, -4.556f, 43.799f},  // Mansion 07
    {-842.058f, -25.242f, 40.398f},  // Mansion 08
    {-830.511f, 115.137f, 56.026f},  // Mansion 09
    {-998.359f, 158.141f, 62.319f},  // Mansion 10
    {-113.238f, 985.824f, 235.754f},  // Mansion 11
    {-2588.0f, 1910.938f, 167.499f},  // Mansion 12
    {3404.567f, 5495.364f, 26.247f},  // Mount Gordo Facility
    {2775.26f, 3913.057f, 45.787f},  // Sandy Shores Facility
    {1281.271f, 2853.039f, 49.363f},  // Grand Senora Desert Facility
    {-15.845f, 3329.262f, 41.6f},  // Zancudo River Facility
    {-2222.19f, 2419.388f, 12.15f},  // Lago Zancudo Facility
    {13.447f, 2618.752f, 85.969f},  // Route 68 Facility
    {2067.357f, 1755.345f, 104.483f},  // Ron Alternates Wind Farm Facility
    {1882.172f, 279.545f, 164.274f},  // Land Act Reservoir Facility
    {1662.178f, 3820.518f, 35.47f},  // Sandy Shores House 01
    {1718.933f, 4677.392f, 43.656f},  // Grapeseed House 01
    {-43.847f, 1960.124f, 190.353f},  // Great Chaparral House 01
    {-3172.502f, 1375.306f, 18.688f},  // Bunker 01
    {1814.707f, 4706.588f, 41.539f},  // Bunker 02
    {2118.528f, 3331.047f, 46.723f},  // Bunker 03
    {-391.092f, 4354.235f, 57.675f},  // Bunker 04
    {1394.449f, 1141.868f, 114.609f},  // Ranch 01
    {-598.46f, 2095.75f, 130.96f},  // Abandoned Mineshaft
    {-1678.6f, 490.08f, 128.88f},  // Ace Jones Drive
    {-992.3f, -2989.92f, 13.95f},  // Airport Terminal
    {389.31f, -356.33f, 48.02f},  // Alta Gazebo
    {-1170.49f, 4926.8f, 224.33f},  // Altruist Camp
    {-117.03f, -2251.18f, 7.81f},  // Banning Docks
    {-302.676f, -1641.547f, 32.171f},  // Baseball Field
    {-920.72f, -724.73f, 19.92f},  // Basketball Courts
    {-211.55f, -1324.55f, 30.9f},  // Benny's Motorworks
    {922.74f, 47.91f, 81.11f},  // Black Diamond Casino
    {-76.25f, 6274.56f, 31.4f},  // Clucking Bell Farms
    {3072.06f, 2129.47f, 2.54f},  // Coveted Cove
    {718.46f, -983.57f, 24.14f},  // Darnell Bros (Outside)
    {422.01f, -643.61f, 28.5f},  // Dashhound Bus Station
    {-1659.42f, -1010.14f, 13.01f},  // Del Perro Pier
    {-1345.62f, -748.54f, 22.32f},  // Del Perro Tiny Garage
    {1443.59f, -2606.78f, 47.71f},  // El Burro Heights Parking
    {98.48f, -743.47f, 45.75f},  // FIB Building Entrance
    {11.91f, 545.88f, 175.89f},  // Franklin's House (Outside)
    {-1328.16f, 59.55f, 53.55f},  // GWC Country Club
    {-425.51f, 1123.46f, 325.49f},  // Galileo Observatory
    {-55.21f, 394.54f, 112.4f},  // Gentry Manor Parking
    {2147.75f, 4800.9f, 41.08f},  // Grapeseed Airfield
    {-699.54f, -1415.39f, 5.0f},  // Higgins Helitours
    {195.17f, -933.77f, 29.7f},  // Legion Square
    {-683.58f, -886.5f, 24.5f},  // Little Seoul
    {-369.16f, -129.91f, 38.68f},  // Los Santos Customs (Burton)
    {712.53f, -1083.94f, 22.37f},  // Los Santos Customs (La Mesa)
    {742.53f, 128.22f, 79.92f},  // Los Santos Department of Water & Power
    {-596.35f, 5281.46f, 70.3f},  // Lumberyard
    {-237.63f, -2041.5f, 27.76f},  // Maze Bank Arena
    {-151.69f, -875.55f, 29.5f},  // Maze Bank Fountain
    {472.94f, -3035.96f, 6.2f},  // Merryweather Dock
    {2428.65f, 4982.17f, 45.89f},  // Meth House
    {-824.63f, 180.46f, 71.56f},  // Michael's House (Outside)
    {1136.95f, -645.2f, 56.74f},  // Mirror Park
    {412.88f, -967.42f, 29.47f},  // Mission Row Police Department
    {501.67f, 5604.32f, 797.91f},  // Mount Chiliad
    {2516.44f, -384.29f, 93.14f},  // NOOSE Headquarters
    {293.68f, -583.15f, 43.19f},  // Pillbox Hill Hospital
    {327.56f, -205.08f, 53.08f},  // Pink Cage Motel
    {-1530.07f, 94.42f, 56.65f},  // Playboy Mansion
    {2675.37f, 1641.97f, 24.65f},  // Power Plant
    {764.79f, -1219.15f, 25.14f},  // Rearwall Skatepark
    {-575.14f, -1642.28f, 19.41f},  // Rogers Salvage & Scrap (Back)
    {1752.73f, 3294.24f, 41.13f},  // Sandy Shores Airfield
    {2395.35f, 3116.97f, 49.18f},  // Scrapyard
    {1204.32f, -3098.76f, 5.85f},  // Simeon's Garage
    {1142.77f, -3338.73f, 6.01f},  // Terminal Dock
    {128.37f, -2191.29f, 6.01f},  // Torture Room (Outside)
    {-538.31f, -216.78f, 37.65f},  // Town Hall
    {1987.1f, 3810.86f, 32.11f},  // Trevor's House
    {991.81f, -2586.9f, 10.42f},  // Underpass Chill Spot
    {125.75f, -1309.16f, 29.19f},  // Vanilla Unicorn
    {-889.46f, -853.42f, 20.57f},  // Vespucci Gazebo
    {-1087.32f, -791.93f, 19.25f},  // Vespucci Police Department
    {662.82f, 571.21f, 129.05f},  // Vinewood Bowl
    {721.3f, 1205.29f, 325.89f},  // Vinewood Sign
    {-1910.97f, 2063.68f, 140.65f},  // Vineyard
    {1995.12f, 3061.4f, 47.05f},  // Yellow Jack Bar
    {-827.138f, 176.368f, 70.5f},  // Michael's Safehouse
    {-18.035f, -1456.94f, 30.455f},  // Franklin's Safehouse
    {1982.13f, 3829.44f, 32.366f},  // Trevor's Safehouse
    {-1157.05f, -1512.73f, 4.213f},  // Trevor's Safehouse 2
    {91.141f, -1280.65f, 29.135f},  // Trevor's Safehouse 3
    {-1034.6f, -2733.6f, 13.8f},  // Airport Entrance
    {-1336.0f, -3044.0f, 13.9f},  // Airport Field
    {-517.869f, 4425.284f, 89.795f},  // Calafia Train Bridge
    {-3192.6f, 1100.0f, 20.2f},  // Chumash
    {-1850.127f, -1231.751f, 13.017f},  // Del Perro Pier
    {1384.0f, -2057.1f, 52.0f},  // El Burro Heights
    {-1670.7f, -1125.0f, 13.0f},  // Ferris Wheel
    {2476.712f, 3789.645f, 41.226f},  // Hippy Camp
    {760.4f, -2943.2f, 5.8f},  // Jetsam
    {3059.62f, 5564.246f, 197.091f},  // Jolene Cranley-Evans Ghost
    {-2243.81f, 264.048f, 174.615f},  // Kortz Center
    {-1868.971f, 2095.674f, 139.115f},  // Marlowe Vineyards
    {2121.7f, 4796.3f, 41.1f},  // McKenzie Airfield
    {486.417f, -3339.692f, 6.07f},  // Merryweather Dock
    {425.4f, 5614.3f, 766.5f},  // Mt. Chiliad
    {450.718f, 5566.614f, 806.183f},  // Mt. Chiliad Summit
    {2535.243f, -383.799f, 92.993f},  // NOOSE Headquarters
    {-275.522f, 6635.835f, 7.425f},  // Paleto Bay Pier
    {-1475.234f, 167.088f, 55.841f},  // Playboy Mansion
    {2954.196f, 2783.41f, 41.004f},  // Quarry
    {1747.0f, 3273.7f, 41.1f},  // Sandy Shores Airfield
    {2062.123f, 2942.055f, 47.431f},  // Satellite Dishes
    {686.245f, 577.95f, 130.461f},  // Sisyphus Theater Stage
    {2208.777f, 5578.235f, 53.735f},  // Weed Farm
    {2354.0f, 1830.3f, 101.1f},  // Wind Farm
    {3288.199f, 5180.604f, 18.555f},  // Mount Gordo - Catfish View
    {3316.018f, 5180.116f, 19.615f},  // Mount Gordo - Catfish View
    {3353.149f, 5149.674f, 20.223f},  // Mount Gordo - Catfish View
    {3801.576f, 4441.271f, 4.199f},  // San Chianski Mountain Range - Catfish View
    {3693.442f, 4564.799f, 25.154f},  // San Chianski Mountain Range - Catfish View
    {3718.35f, 4536.431f, 21.495f},  // San Chianski Mountain Range - Catfish View
    {2874.587f, 4861.145f, 62.185f},  // San Chianski Mountain Range - Union Rd
    {2951.366f, 4645.956f, 48.544f},  // San Chianski Mountain Range - Union Rd
    {2938.366f, 4621.49f, 48.721f},  // San Chianski Mountain Range - Union Rd
    {2835.14f, 4570.951f, 46.55f},  // San Chianski Mountain Range - Senora Fwy
    {2841.482f, 4606.708f, 47.585f},  // San Chianski Mountain Range - Senora Fwy
    {2835.282f, 4640.335f, 47.365f},  // San Chianski Mountain Range - Senora Fwy
    {2804.089f, 4576.563f, 45.974f},  // San Chianski Mountain Range - Senora Fwy
    {2841.991f, 4500.549f, 48.676f},  // San Chianski Mountain Range - Senora Fwy
    {2906.957f, 4417.232f, 48.659f},  // San Chianski Mountain Range - Chianski Passage
    {2919.459f, 4348.691f, 50.346f},  // San Chianski Mountain Range - Chianski Passage
    {2864.559f, 4372.225f, 49.22f},  // San Chianski Mountain Range - Senora Fwy
    {2744.318f, 4409.312f, 48.392f},  // San Chianski Mountain Range - East Joshua Road
    {2692.33f, 4495.729f, 40.77f},  // San Chianski Mountain Range - Senora Fwy
    {2643.34f, 4559.038f, 37.953f},  // San Chianski Mountain Range - Senora Fwy
    {2564.971f, 4683.2f, 34.205f},  // Grapeseed - Grapeseed Ave
    {2545.193f, 4660.082f, 34.077f},  // Grapeseed - Grapeseed Ave
    {2486.958f, 4604.131f, 37.499f},  // Grapeseed - Grapeseed Ave
    {2414.231f, 4610.255f, 32.344f},  // Grapeseed - Seaview Rd
    {2463.16f, 4742.901f, 34.292f},  // Grapeseed - Grapeseed Ave
    {2413.167f, 4777.129f, 34.444f},  // Grapeseed - Seaview Rd
    {2528.653f, 4865.707f, 38.295f},  // Grapeseed - Grapeseed Ave
    {2559.662f, 4894.19f, 38.51f},  // Grapeseed - Senora Fwy
    {2533.791f, 4985.025f, 44.962f},  // Grapeseed - Union Rd
    {2499.661f, 4981.138f, 44.465f},  // Grapeseed - Union Rd
    {2375.325f, 5049.265f, 46.445f},  // Grapeseed - O'Neil Way
    {2240.317f, 5158.214f, 57.83f},  // Grapeseed - Union Rd
    {2152.048f, 5045.069f, 42.9f},  // Grapeseed - Joad Ln
    {2138.609f, 4979.873f, 41.437f},  // Grapeseed - Joad Ln
    {2168.677f, 4958.495f, 41.329f},  // Grapeseed - Joad Ln
    {2195.507f, 4969.669f, 41.367f},  // Grapeseed - O'Neil Way
    {2225.13f, 4936.494f, 40.928f},  // Grapeseed - O'Neil Way
    {2278.095f, 4848.331f, 40.286f},  // Grapeseed - Joad Ln
    {2130.097f, 4829.573f, 41.377f},  // Grapeseed - Joad Ln
    {2014.552f, 4721.449f, 41.616f},  // Grapeseed - Seaview Rd
    {1961.307f, 4810.967f, 43.608f},  // Grapeseed - Seaview Rd
    {2016.247f, 4996.942f, 40.998f},  // Grapeseed - Joad Ln
    {2098.405f, 4956.474f, 40.661f},  // Grapeseed - Joad Ln
    {1894.858f, 4915.092f, 48.953f},  // Grapeseed - Grapeseed Main St
    {1861.258f, 4964.236f, 52.689f},  // Grapeseed - Grapeseed Main St
    {1839.959f, 4997.921f, 54.005f},  // Grapeseed - Grapeseed Main St
    {1706.93f, 4941.292f, 42.085f},  // Grapeseed - Grapeseed Main St
    {1666.522f, 4968.404f, 42.25f},  // Grapeseed - Grapeseed Main St
    {1699.758f, 4792.237f, 41.923f},  // Grapeseed - Grapeseed Main St
    {1664.644f, 4773.016f, 41.994f},  // Grapeseed - Grapeseed Ave
    {1708.017f, 4718.773f, 42.244f},  // Grapeseed - Grapeseed Main St
    {1679.687f, 4684.874f, 43.055f},  // Grapeseed - Grapeseed Main St
    {1676.668f, 4652.581f, 43.371f},  // Grapeseed - Grapeseed Main St
    {1337.619f, 4269.619f, 31.498f},  // Alamo Sea - North Calafia Way
    {1336.317f, 4225.587f, 33.916f},  // Alamo Sea - North Calafia Way
    {1302.167f, 4227.628f, 33.917f},  // Alamo Sea - North Calafia Way
    {1300.247f, 4309.104f, 37.567f},  // Galilee - North Calafia Way
    {1351.22f, 4385.637f, 44.344f},  // Galilee - North Calafia Way
    {1387.779f, 4388.484f, 44.408f},  // Galilee - North Calafia Way
    {1160.507f, 4577.707f, 74.779f},  // Mount Chiliad - North Calafia Way
    {1162.92f, 4638.513f, 76.598f},  // Mount Chiliad - North Calafia Way
    {769.336f, 4173.854f, 40.711f},  // Alamo Sea - North Calafia Way
    {701.396f, 4179.643f, 40.941f},  // Alamo Sea - North Calafia Way
    {728.377f, 4170.566f, 40.709f},  // Alamo Sea - North Calafia Way
    {366.883f, 4416.456f, 62.853f},  // Mount Chiliad - North Calafia Way
    {342.773f, 4469.335f, 62.485f},  // Mount Chiliad - North Calafia Way
    {-13.187f, 4453.448f, 58.233f},  // Mount Chiliad - North Calafia Way
    {-57.023f, 4411.082f, 56.927f},  // Mount Chiliad - North Calafia Way
    {-207.289f, 3654.974f, 51.746f},  // Alamo Sea - Calafia Rd
    {-204.84f, 3626.305f, 51.753f},  // Alamo Sea - Calafia Rd
    {43.379f, 3654.092f, 39.787f},  // Stab City - Calafia Rd
    {18.009f, 3689.311f, 40.067f},  // Stab City - Calafia Rd
    {27.67f, 3723.025f, 39.67f},  // Stab City - Calafia Rd
    {53.384f, 3698.381f, 39.764f},  // Stab City - Calafia Rd
    {80.191f, 3708.618f, 41.079f},  // Stab City - Calafia Rd
    {69.463f, 3751.661f, 39.747f},  // Stab City - Calafia Rd
    {113.175f, 3698.645f, 40.613f},  // Stab City - Calafia Rd
    {91.951f, 3646.346f, 39.775f},  // Stab City - Calafia Rd
    {100.942f, 3605.697f, 39.666f},  // Stab City - Calafia Rd
    {71.742f, 3603.907f, 39.393f},  // Stab City - Calafia Rd
    {361.749f, 3404.598f, 36.404f},  // Grand Senora Desert - Joshua Rd
    {376.349f, 3580.8f, 33.297f},  // Zancudo River - Marina Dr
    {445.8f, 3562.664f, 33.239f},  // Grand Senora Desert - Marina Dr
    {479.99f, 3558.028f, 33.238f},  // Grand Senora Desert - Marina Dr
    {1008.762f, 3744.263f, 33.396f},  // Alamo Sea - Marina Dr
    {1001.452f, 3576.143f, 33.704f},  // Grand Senora Desert - Joshua Rd
    {1296.865f, 3624.005f, 33.078f},  // Sandy Shores - Meringue Ln
    {1426.736f, 3667.647f, 39.728f},  // Sandy Shores - Lesbos Ln
    {1411.843f, 3825.487f, 31.824f},  // Sandy Shores - Marina Dr
    {1389.218f, 3602.616f, 34.981f},  // Sandy Shores - Algonquin Blvd
    {1572.405f, 3576.49f, 32.649f},  // Sandy Shores - Algonquin Blvd
    {1593.117f, 3811.421f, 34.492f},  // Sandy Shores - Marina Dr
    {1745.106f, 3865.794f, 34.583f},  // Sandy Shores - Cholla Springs Ave
    {1921.709f, 3913.531f, 33.444f},  // Sandy Shores - Marina Dr
    {1863.148f, 3853.012f, 32.906f},  // Sandy Shores - Niland Ave
    {2035.793f, 3891.734f, 32.065f},  // Sandy Shores - Algonquin Blvd
    {2071.19f, 3826.357f, 31.813f},  // Sandy Shores - Zancudo Ave
    {1982.644f, 3708.494f, 32.079f},  // Sandy Shores - Alhambra Dr
    {2038.423f, 3656.267f, 34.296f},  // Sandy Shores - East Joshua Road
    {2011.264f, 3652.779f, 34.407f},  // Sandy Shores - East Joshua Road
    {1692.949f, 3590.434f, 35.622f},  // Sandy Shores - Alhambra Dr
    {1718.812f, 3452.289f, 38.811f},  // Grand Senora Desert - Panorama Dr
    {2048.061f, 3567.719f, 40.21f},  // Sandy Shores - Marina Dr
    {2085.771f, 3556.374f, 42.029f},  // Sandy Shores - Marina Dr
    {2182.477f, 3500.067f, 45.705f},  // Sandy Shores - Nowhere Rd
    {2282.457f, 3723.523f, 38.103f},  // Sandy Shores - East Joshua Road
    {2332.515f, 3807.398f, 34.463f},  // Sandy Shores - East Joshua Road
    {2485.174f, 3726.838f, 43.539f},  // Sandy Shores - East Joshua Road
    {2483.743f, 3759.282f, 41.811f},  // Sandy Shores - East Joshua Road
    {2506.463f, 3804.542f, 43.137f},  // Sandy Shores - East Joshua Road
    {2461.364f, 3823.266f, 40.142f},  // Sandy Shores - East Joshua Road
    {2435.731f, 3768.838f, 41.178f},  // Sandy Shores - East Joshua Road
    {2456.315f, 4058.829f, 38.065f},  // Grapeseed - East Joshua Road
    {2642.609f, 4251.421f, 44.783f},  // Grapeseed - East Joshua Road
    {2724.245f, 4147.732f, 43.87f},  // Grapeseed - Senora Fwy
    {2984.487f, 3483.356f, 71.442f},  // San Chianski Mountain Range - Chianski Passage
    {2633.408f, 3258.309f, 55.426f},  // Grand Senora Desert - Senora Fwy
    {2581.758f, 3176.514f, 51.008f},  // Grand Senora Desert - Senora Fwy
    {2828.767f, 2791.599f, 57.676f},  // Davis Quartz - Senora Way
    {2953.782f, 2741.13f, 43.842f},  // Davis Quartz - Senora Way
    {2668.169f, 2853.462f, 40.093f},  // Davis Quartz - Senora Way
    {2775.793f, 2830.365f, 36.438f},  // Davis Quartz - Senora Way
    {2570.241f, 2727.569f, 43.168f},  // Davis Quartz - Senora Way
    {2564.531f, 2573.722f, 37.4f},  // Davis Quartz - Senora Way
    {2522.25f, 2637.197f, 37.945f},  // Ron Alternates Wind Farm - Senora Way
    {2319.412f, 2552.008f, 47.689f},  // Ron Alternates Wind Farm - Senora Fwy
    {2355.356f, 2593.325f, 47.109f},  // Ron Alternates Wind Farm - Senora Fwy
    {2528.55f, 2037.771f, 19.836f},  // Ron Alternates Wind Farm - Senora Way
    {2473.974f, 1573.66f, 32.72f},  // Ron Alternates Wind Farm - Senora Way
    {2749.659f, 1451.035f, 24.492f},  // Palmer-Taylor Power Station - Senora Way
    {2744.47f, 1487.469f, 30.792f},  // Palmer-Taylor Power Station - Senora Way
    {2654.189f, 1694.153f, 24.498f},  // Palmer-Taylor Power Station - Senora Way
    {2763.324f, 1712.994f, 24.6f},  // Palmer-Taylor Power Station - Senora Way
    {2395.181f, 1279.976f, 64.95f},  // Ron Alternates Wind Farm - Palomino Fwy
    {2270.846f, 1706.907f, 68.04f},  // Ron Alternates Wind Farm - Senora Way
    {2078.395f, 1696.845f, 105.966f},  // Ron Alternates Wind Farm - Senora Fwy
    {2057.199f, 2009.049f, 86.232f},  // Ron Alternates Wind Farm - Senora Fwy
    {2145.291f, 2913.045f, 47.545f},  // Grand Senora Desert - Route 68
    {2343.5f, 3136.689f, 48.209f},  // Grand Senora Desert - Cat-Claw Ave
    {2417.509f, 3052.322f, 48.152f},  // Grand Senora Desert - Senora Fwy
    {2336.866f, 3047.923f, 48.152f},  // Grand Senora Desert - Cat-Claw Ave
    {1702.413f, 3301.247f, 41.148f},  // Grand Senora Desert - Panorama Dr
    {1584.667f, 2904.109f, 56.898f},  // Grand Senora Desert - Route 68
    {1887.233f, 2722.666f, 45.843f},  // Grand Senora Desert - Route 68
    {561.66f, 2738.129f, 42.241f},  // Harmony - Route 68
    {745.52f, 2571.572f, 75.568f},  // Grand Senora Desert - Route 68
    {720.906f, 2337.226f, 50.144f},  // Grand Senora Desert - Senora Rd
    {1027.222f, 2522.097f, 45.749f},  // Redwood Lights Track - Route 68
    {950.035f, 2402.112f, 51.175f},  // Redwood Lights Track - Senora Rd
    {1145.223f, 2115.076f, 55.792f},  // Redwood Lights Track - Senora Rd
    {1277.636f, 1885.573f, 83.03f},  // Grand Senora Desert - Senora Rd
    {1221.224f, 1868.969f, 78.895f},  // Grand Senora Desert - Senora Rd
    {1159.933f, 1950.282f, 63.859f},  // Grand Senora Desert - Senora Rd
    {1395.873f, 2165.085f, 97.741f},  // Grand Senora Desert - Senora Rd
    {1544.785f, 2174.294f, 78.8f},  // Grand Senora Desert - Senora Fwy
    {1533.196f, 2231.765f, 77.679f},  // Grand Senora Desert - Senora Fwy
    {970.146f, 2725.665f, 39.484f},  // Grand Senora Desert - Route 68
    {882.996f, 2870.754f, 56.511f},  // Grand Senora Desert - Route 68
    {703.842f, 2885.894f, 50.376f},  // Grand Senora Desert - Route 68
    {526.147f, 3078.124f, 40.513f},  // Grand Senora Desert - Joshua Rd
    {433.496f, 2996.895f, 41.28f},  // Grand Senora Desert - Joshua Rd
    {278.451f, 2844.131f, 43.631f},  // Grand Senora Desert - Joshua Rd
    {308.866f, 2838.409f, 43.436f},  // Grand Senora Desert - Joshua Rd
    {191.921f, 2748.986f, 43.426f},  // Harmony - Joshua Rd
    {363.6f, 2628.952f, 44.498f},  // Harmony - Route 68
    {179.056f, 3124.272f, 43.072f},  // Grand Senora Desert - Joshua Rd
    {243.519f, 3186.342f, 43.091f},  // Grand Senora Desert - Joshua Rd
    {93.261f, 3297.855f, 30.886f},  // Zancudo River - Calafia Rd
    {590.512f, 3195.67f, 40.339f},  // Grand Senora Desert - Joshua Rd
    {2038.6f, 3460.826f, 43.668f},  // Sandy Shores - Nowhere Rd
    {2049.472f, 3184.42f, 45.083f},  // Grand Senora Desert - Panorama Dr
    {2390.146f, 3299.246f, 47.457f},  // Sandy Shores - Smoke Tree Rd
    {2469.456f, 3428.863f, 49.977f},  // Sandy Shores - Smoke Tree Rd
    {2679.051f, 3507.541f, 53.303f},  // Sandy Shores - Senora Fwy
    {2746.513f, 3451.306f, 56.04f},  // San Chianski Mountain Range - Senora Fwy
    {2687.171f, 3459.419f, 55.699f},  // Sandy Shores - Senora Fwy
    {2688.133f, 3919.178f, 43.31f},  // Sandy Shores - Senora Fwy
    {2537.678f, 4492.758f, 37.312f},  // Grapeseed - Seaview Rd
    {-2327.473f, 3397.63f, 30.544f},  // North Chumash - Great Ocean Hwy
    {-2543.974f, 2317.943f, 33.215f},  // Lago Zancudo - Route 68
    {-2216.447f, 2318.699f, 32.625f},  // Tongva Hills - Route 68
    {-1094.126f, 2703.329f, 18.991f},  // Great Chaparral - Route 68
    {-728.341f, 2550.09f, 59.31f},  // Great Chaparral - Zancudo Grande Valley
    {-668.614f, 2156.171f, 110.799f},  // Great Chaparral - Zancudo Grande Valley
    {-525.091f, 2012.165f, 204.531f},  // Great Chaparral - Galileo Rd
    {-197.896f, 1856.218f, 197.786f},  // Great Chaparral - Galileo Rd
    {-85.803f, 1880.417f, 197.306f},  // Great Chaparral - Baytree Canyon Rd
    {163.911f, 2285.078f, 93.864f},  // Grand Senora Desert - Baytree Canyon Rd
    {165.294f, 2235.331f, 90.26f},  // Grand Senora Desert - Baytree Canyon Rd
    {-112.955f, 2804.506f, 53.055f},  // Great Chaparral - Route 68
    {-289.989f, 2544.379f, 75.416f},  // Great Chaparral - Zancudo Grande Valley
    {-311.743f, 2787.262f, 59.599f},  // Great Chaparral - Route 68
    {-306.988f, 2829.806f, 58.518f},  // Great Chaparral - Route 68
    {-338.039f, 2801.514f, 58.097f},  // Great Chaparral - Zancudo Grande Valley
    {-379.517f, 2817.428f, 45.212f},  // Zancudo River - Zancudo Grande Valley
    {-433.444f, 3044.224f, 28.876f},  // Zancudo River - Route 68
    {-678.118f, 2991.824f, 24.958f},  // Zancudo River - Route 68
    {-1002.912f, 2872.93f, 13.424f},  // Zancudo River - Route 68
    {-458.162f, 2859.133f, 34.947f},  // Zancudo River - Route 68
    {-1581.836f, 2102.073f, 68.064f},  // Tongva Hills - Zancudo Rd
    {-1599.835f, 2271.68f, 69.019f},  // Tongva Hills - Zancudo Rd
    {-1677.829f, 2241.041f, 84.146f},  // Tongva Hills - Buen Vino Rd
    {-1774.889f, 2227.547f, 92.967f},  // Tongva Hills - Buen Vino Rd
    {-1820.31f, 2151.576f, 116.852f},  // Tongva Hills - Buen Vino Rd
    {-1916.249f, 2029.462f, 140.738f},  // Tongva Hills - Buen Vino Rd
    {-2605.811f, 1871.711f, 167.32f},  // Tongva Hills - Buen Vino Rd
    {-2640.702f, 1867.634f, 160.135f},  // Tongva Hills - Buen Vino Rd
    {-2796.207f, 1433.972f, 100.928f},  // Banham Canyon - Banham Canyon Dr
    {-3178.631f, 1289.704f, 14.101f},  // Chumash - Barbareno Rd
    {-3228.509f, 1078.943f, 10.79f},  // Chumash - Barbareno Rd
    {-3282.577f, 971.473f, 8.347f},  // Chumash - Barbareno Rd
    {-3064.644f, 609.065f, 4.584f},  // Banham Canyon - Ineseno Road
    {-3047.03f, 585.544f, 7.909f},  // Banham Canyon - Ineseno Road
    {-3103.097f, 282.479f, 9.102f},  // Banham Canyon - Ineseno Road
    {-2954.173f, 385.55f, 15.02f},  // Banham Canyon - Great Ocean Hwy
    {269.934f, -751.78f, 30.819f},  // Pillbox Hill - Strawberry Ave
    {24.381f, -620.114f, 35.34f},  // Pillbox Hill - Power St
    {74.493f, -350.205f, 42.565f},  // Alta - Occupation Ave
    {68.056f, 13.274f, 69.214f},  // Downtown Vinewood - Spanish Ave
    {321.174f, 182.82f, 103.587f},  // Downtown Vinewood - Vinewood Blvd
    {745.583f, 225.477f, 87.423f},  // Vinewood Hills - Clinton Ave
    {1415.218f, 1164.049f, 114.334f},  // Vinewood Hills - Senora Rd
    {1049.605f, 184.857f, 84.991f},  // Vinewood Racetrack - Vinewood Park Dr
    {788.995f, -218.91f, 66.114f},  // East Vinewood - Bridge St
    {812.918f, -280.102f, 66.462f},  // East Vinewood - Glory Way
    {779.106f, -390.543f, 33.369f},  // East Vinewood - Glory Way
    {310.052f, -275.769f, 54.165f},  // Alta - Hawick Ave
    {-93.235f, 233.092f, 100.581f},  // West Vinewood - North Archer Ave
    {159.158f, -1085.494f, 29.192f},  // Pillbox Hill - Elgin Ave
    {-222.486f, -1616.229f, 38.054f},  // Chamberlain Hills - Forum Dr
    {-583.295f, -1589.084f, 26.751f},  // La Puerta - Mutiny Rd
    {-532.488f, -1264.998f, 26.902f},  // Little Seoul - Innocence Blvd
    {-272.273f, -2025.583f, 30.146f},  // Maze Bank Arena - Davis Ave
    {-883.187f, -2153.466f, 8.929f},  // Los Santos International Airport - Greenwich Pkwy
    {-677.66f, -2460.057f, 13.944f},  // Los Santos International Airport - Exceptionalists Way
    {-316.475f, -1085.734f, 30.385f},  // Pillbox Hill - Adam's Apple Blvd
    {156.652f, -1728.51f, 29.292f},  // Davis - Carson Ave
    {207.165f, -1643.477f, 29.803f},  // Davis - Macdonald St
    {370.578f, -1608.759f, 29.292f},  // Rancho - Innocence Blvd
    {-315.263f, -2779.153f, 5.0f},  // Elysian Island - Plaice Pl
    {21.119f, -2750.605f, 6.004f},  // Elysian Island - Elysian Fields Fwy
    {962.131f, -2501.197f, 28.452f},  // Cypress Flats - Hanger Way
    {1063.948f, -2408.881f, 29.986f},  // El Burro Heights - South Shambles St
    {1093.114f, -2253.251f, 31.234f},  // El Burro Heights - South Shambles St
    {953.881f, -2118.412f, 30.552f},  // Cypress Flats - Orchardville Ave
    {924.761f, -2350.144f, 31.819f},  // Cypress Flats - Orchardville Ave
    {826.963f, -2152.373f, 29.619f},  // Cypress Flats - Popular St
    {703.764f, -2196.072f, 29.177f},  // Cypress Flats - Popular St
    {848.893f, -1930.458f, 30.068f},  // Cypress Flats - Popular St
    {944.147f, -1697.47f, 30.085f},  // La Mesa - Innocence Blvd
    {772.326f, -1632.221f, 30.955f},  // La Mesa - Popular St
    {923.315f, -1521.689f, 31.034f},  // La Mesa - Capital Blvd
    {746.467f, -1400.867f, 26.546f},  // La Mesa - Capital Blvd
    {857.442f, -1321.494f, 28.137f},  // La Mesa - Olympic Fwy
    {970.371f, -1145.891f, 25.235f},  // Murrieta Heights - Olympic Fwy
    {1212.772f, -1238.782f, 36.326f},  // Murrieta Heights - El Rancho Blvd
    {1252.006f, -1114.142f, 38.525f},  // Murrieta Heights - Palomino Fwy
    {1152.897f, -784.145f, 57.599f},  // Mirror Park - West Mirror Drive
    {1390.772f, -784.633f, 67.453f},  // Mirror Park - Utopia Gardens
    {1074.97f, -257.533f, 59.079f},  // East Vinewood - Mirror Park Blvd
    {1662.606f, -25.914f, 173.775f},  // Land Act Dam - Mirror Park Blvd
    {2562.019f, 395.573f, 108.62f},  // Tataviam Mountains - Palomino Fwy
    {1209.472f, -473.115f, 66.208f},  // Mirror Park - Mirror Park Blvd
    {-343.092f, -973.361f, 31.081f},
    {-131.102f, -1624.335f, 31.356f},
    {19.735f, -1728.955f, 28.453f},
    {267.196f, -1701.19f, 28.449f},
    {458.812f, -1725.636f, 28.101f},
    {493.373f, -996.386f, 26.902f},
    {502.591f, -634.666f, 23.944f},
    {-113.204f, -602.899f, 35.431f},
    {-290.02f, -617.921f, 32.569f},
    {-721.746f, -328.723f, 34.808f},
    {-925.716f, -115.699f, 36.96f},
    {1053.859f, -734.595f, 57.336f},
    {998.532f, -1384.583f, 30.861f},
    {489.701f, -1334.789f, 28.817f},
    {480.786f, -1526.062f, 28.797f},
    {-17.088f, -1411.307f, 28.808f},
    {-145.262f, -1346.435f, 29.224f},
    {-339.757f, -1486.288f, 30.123f},
    {-523.504f, -1206.749f, 17.724f},
    {-679.329f, -1171.058f, 10.111f},
    {-924.927f, -1159.764f, 4.249f},
    {-823.09f, -2552.157f, 13.115f},  // Los Santos International Airport - New Empire Way
    {-554.693f, -2216.172f, 4.991f},  // Los Santos International Airport - La Puerta Fwy
    {-221.542f, -1999.012f, 26.899f},  // Maze Bank Arena - Autopia Pkwy
    {106.484f, -1738.96f, 28.098f},  // Davis - Carson Ave
    {372.713f, -1818.227f, 28.261f},  // Rancho - Roy Lowenstein Blvd
    {244.064f, -1631.921f, 28.274f},  // Davis - Macdonald St
    {125.701f, -1544.786f, 28.47f},  // Davis - Macdonald St
    {74.802f, -1439.25f, 28.463f},  // Strawberry - Strawberry Ave
    {438.485f, -1269.843f, 29.979f},  // Strawberry - Crusade Rd
    {472.379f, -1089.264f, 28.354f},  // Mission Row - Sinner St
    {259.035f, -1113.282f, 28.563f},  // Mission Row - Adam's Apple Blvd
    {60.874f, -743.298f, 30.797f},  // Pillbox Hill - Power St
    {-95.983f, -717.252f, 34.126f},  // Pillbox Hill - San Andreas Ave
    {-555.24f, -635.505f, 32.947f},  // Little Seoul - San Andreas Ave
    {-694.013f, -592.325f, 30.706f},  // Little Seoul - Ginger St
    {-830.181f, -620.574f, 28.162f},  // Little Seoul - San Andreas Ave
    {-839.152f, -805.235f, 18.237f},  // Little Seoul - Decker St
    {-834.488f, -1069.487f, 10.447f},  // Vespucci Canals - Palomino Ave
    {-845.702f, -1231.433f, 6.083f},  // La Puerta - Tackle St
    {-1036.303f, -1233.543f, 5.044f},  // La Puerta - Palomino Ave
    {-999.972f, -1354.381f, 4.15f},  // La Puerta - Goma St
    {-990.157f, -1438.77f, 4.21f},  // La Puerta - Goma St
    {-1101.804f, -1508.072f, 3.737f},  // La Puerta - Bay City Ave
    {-1127.292f, -1646.997f, 3.477f},  // Vespucci Beach - Melanoma St
    {-1215.982f, -1530.864f, 3.416f},  // Vespucci Beach - Goma St
    {-1311.68f, -1377.859f, 3.617f},  // Vespucci Beach - Palomino Ave
    {-1347.949f, -1260.498f, 4.019f},  // Vespucci Beach - Vitus St
    {-1358.779f, -1137.598f, 3.318f},  // Vespucci Beach - Conquistador St
    {-1393.658f, -1055.448f, 3.323f},  // Vespucci Beach - Vespucci Blvd
    {-1463.502f, -980.677f, 6.425f},  // Del Perro Beach - Sandcastle Way
    {-1549.079f, -906.005f, 9.245f},  // Del Perro Beach - Red Desert Ave
    {-1810.075f, -1190.095f, 12.168f},  // Del Perro Beach - Red Desert Ave
    {-1285.112f, -428.834f, 33.931f},  // Richards Majestic - Morningwood Blvd
    {-1205.427f, -374.441f, 36.439f},  // Rockford Hills - Marathon Ave
    {-1174.657f, -334.642f, 36.758f},  // Rockford Hills - Boulevard Del Perro
    {-1253.114f, -255.671f, 38.584f},  // Rockford Hills - Boulevard Del Perro
    {-1356.092f, -212.938f, 42.831f},  // Rockford Hills - Morningwood Blvd
    {-1424.083f, -209.583f, 45.646f},  // Morningwood - Cougar Ave
    {-1508.91f, -197.161f, 51.252f},  // Morningwood - South Rockford Dr
    {-1471.446f, -187.902f, 47.977f},  // Morningwood - Cougar Ave
    {-1460.552f, -161.886f, 47.974f},  // Morningwood - Morningwood Blvd
    {-1370.488f, 55.775f, 52.844f},  // GWC and Golfing Society - West Eclipse Blvd
    {-1329.188f, 162.94f, 56.955f},  // GWC and Golfing Society - West Eclipse Blvd
    {-636.179f, 251.184f, 80.506f},  // West Vinewood - Eclipse Blvd
    {-162.939f, 6256.58f, 31.513f},  // Paleto Bay - Great Ocean Hwy
    {-184.863f, 6238.218f, 32.15f},  // Paleto Bay - Great Ocean Hwy
    {-187.214f, 6308.015f, 31.488f},  // Paleto Bay - Paleto Blvd
    {-246.58f, 6330.549f, 32.426f},  // Paleto Bay - Paleto Blvd
    {-213.262f, 6359.55f, 31.492f},  // Paleto Bay - Paleto Blvd
    {-143.667f, 6307.098f, 31.57f},  // Paleto Bay - Pyrite Ave
    {-111.875f, 6356.81f, 31.49f},  // Paleto Bay - Pyrite Ave
    {-115.953f, 6319.609f, 31.49f},  // Paleto Bay - Pyrite Ave
    {-75.894f, 6355.429f, 31.263f},  // Paleto Bay - Great Ocean Hwy
    {-112.422f, 6215.444f, 31.188f},  // Paleto Bay - Great Ocean Hwy
    {-13.412f, 6258.856f, 31.265f},  // Paleto Bay - Great Ocean Hwy
    {96.212f, 6323.102f, 31.226f},  // Mount Chiliad - Great Ocean Hwy
    {118.029f, 6300.659f, 31.473f},  // Mount Chiliad - Great Ocean Hwy
    {137.943f, 6326.356f, 31.466f},  // Mount Chiliad - Great Ocean Hwy
    {78.93f, 6290.771f, 31.432f},  // Mount Chiliad - Great Ocean Hwy
    {49.608f, 6265.55f, 32.157f},  // Paleto Bay - Great Ocean Hwy
    {24.804f, 6228.887f, 31.68f},  // Paleto Bay - Great Ocean Hwy
    {-27.76f, 6211.964f, 31.168f},  // Paleto Bay - Great Ocean Hwy
    {-55.606f, 6172.69f, 30.762f},  // Paleto Bay - Great Ocean Hwy
    {-78.668f, 6144.333f, 30.337f},  // Paleto Bay - Great Ocean Hwy
    {-106.338f, 6121.605f, 30.779f},  // Paleto Bay - Great Ocean Hwy
    {-174.95f, 6098.236f, 31.775f},  // Paleto Bay - Great Ocean Hwy
    {-144.218f, 6143.229f, 32.335f},  // Paleto Bay - Great Ocean Hwy
    {101.117f, 6367.993f, 31.377f},  // Mount Chiliad - Great Ocean Hwy
    {114.008f, 6409.134f, 31.357f},  // Paleto Bay - Great Ocean Hwy
    {130.889f, 6433.506f, 31.589f},  // Paleto Bay - Great Ocean Hwy
    {174.124f, 6447.532f, 31.3f},  // Paleto Bay - Great Ocean Hwy
    {173.054f, 6415.215f, 32.403f},  // Paleto Bay - Great Ocean Hwy
    {186.096f, 6383.3f, 32.258f},  // Mount Chiliad - Great Ocean Hwy
    {230.494f, 6407.18f, 31.672f},  // Mount Chiliad - Great Ocean Hwy
    {-33.665f, 6436.586f, 31.237f},  // Paleto Bay - Paleto Blvd
    {-97.608f, 6418.155f, 31.484f},  // Paleto Bay - Paleto Blvd
    {-109.722f, 6483.567f, 31.468f},  // Paleto Bay - Paleto Blvd
    {-156.072f, 6426.089f, 31.916f},  // Paleto Bay - Cascabel Ave
    {-205.132f, 6466.802f, 31.989f},  // Paleto Bay - Procopio Dr
    {-250.121f, 6411.318f, 31.167f},  // Paleto Bay - Procopio Dr
    {-225.359f, 6384.597f, 31.522f},  // Paleto Bay - Procopio Dr
    {-254.592f, 6364.487f, 31.481f},  // Paleto Bay - Paleto Blvd
    {-298.656f, 6380.012f, 32.248f},  // Paleto Bay - Procopio Dr
    {-281.419f, 6341.485f, 32.489f},  // Paleto Bay - Paleto Blvd
    {-316.191f, 6308.834f, 32.515f},  // Paleto Bay - Procopio Dr
    {-328.939f, 6280.344f, 31.914f},  // Paleto Bay - Duluoz Ave
    {-355.02f, 6263.529f, 31.5f},  // Paleto Bay - Duluoz Ave
    {-419.307f, 6305.191f, 29.572f},  // Paleto Bay - Procopio Dr
    {-430.221f, 6263.857f, 30.388f},  // Paleto Bay - Procopio Dr
    {-450.181f, 6212.718f, 29.159f},  // Paleto Bay - Procopio Dr
    {-379.357f, 6186.437f, 31.491f},  // Paleto Bay - Procopio Dr
    {-340.618f, 6164.769f, 31.538f},  // Paleto Bay - Paleto Blvd
    {-453.35f, 5994.144f, 31.335f},  // Paleto Forest - Paleto Blvd
    {-448.578f, 6055.142f, 31.341f},  // Paleto Bay - Paleto Blvd
    {-407.202f, 6062.435f, 31.5f},  // Paleto Bay - Paleto Blvd
    {-373.096f, 6085.731f, 31.444f},  // Paleto Bay - Paleto Blvd
    {-324.357f, 6075.561f, 31.243f},  // Paleto Bay - Great Ocean Hwy
    {-249.606f, 6066.886f, 31.654f},  // Paleto Bay - Great Ocean Hwy
    {-284.854f, 6020.71f, 31.506f},  // Paleto Bay - Great Ocean Hwy
    {105.762f, 6544.831f, 31.663f},  // Paleto Bay - Procopio Dr
    {68.506f, 6566.505f, 28.749f},  // Paleto Bay - Paleto Blvd
    {35.31f, 6553.313f, 31.444f},  // Paleto Bay - Paleto Blvd
    {36.202f, 6521.358f, 34.141f},  // Paleto Bay - Paleto Blvd
    {74.864f, 6492.182f, 31.362f},  // Paleto Bay - Great Ocean Hwy
    {97.385f, 6622.302f, 31.789f},  // Paleto Bay - Paleto Blvd
    {55.849f, 6644.859f, 32.347f},  // Paleto Bay - Procopio Dr
    {31.348f, 6657.725f, 31.723f},  // Paleto Bay - Procopio Dr
    {-6.148f, 6616.321f, 31.483f},  // Paleto Bay - Procopio Dr
    {-11.378f, 6652.277f, 31.784f},  // Paleto Bay - Procopio Dr
    {161.074f, 6635.808f, 31.589f},  // Paleto Bay - Paleto Blvd
    {201.014f, 6614.493f, 31.443f},  // Paleto Bay - Great Ocean Hwy
    {154.974f, 6508.645f, 31.587f},  // Paleto Bay - Great Ocean Hwy
    {281.488f, 6619.599f, 29.73f},  // Paleto Bay - Great Ocean Hwy
    {276.986f, 6651.343f, 29.789f},  // Paleto Bay - Great Ocean Hwy
    {333.473f, 6595.11f, 28.911f},  // Paleto Bay - Great Ocean Hwy
    {411.448f, 6633.761f, 28.243f},  // Paleto Bay - Great Ocean Hwy
    {430.967f, 6516.237f, 28.28f},  // Mount Chiliad - Great Ocean Hwy
    {410.668f, 6488.229f, 28.648f},  // Mount Chiliad - Great Ocean Hwy
    {432.821f, 6461.051f, 28.754f},  // Mount Chiliad - Great Ocean Hwy
    {380.22f, 6484.94f, 28.897f},  // Mount Chiliad - Great Ocean Hwy
    {360.007f, 6505.322f, 28.513f},  // Mount Chiliad - Great Ocean Hwy
    {322.745f, 6520.393f, 29.16f},  // Paleto Bay - Great Ocean Hwy
    {291.954f, 6516.06f, 29.829f},  // Mount Chiliad - Great Ocean Hwy
    {277.479f, 6460.44f, 31.246f},  // Mount Chiliad - Great Ocean Hwy
    {473.776f, 6519.338f, 29.501f},  // Paleto Bay - Great Ocean Hwy
    {512.536f, 6453.146f, 30.754f},  // Mount Chiliad - Great Ocean Hwy
    {576.937f, 6473.936f, 30.313f},  // Mount Chiliad - Great Ocean Hwy
    {654.854f, 6475.865f, 30.32f},  // Mount Chiliad - Great Ocean Hwy
    {750.124f, 6465.43f, 30.238f},  // Mount Chiliad - Great Ocean Hwy
    {1086.988f, 6587.75f, 3.703f},  // Procopio Beach - Great Ocean Hwy
    {1447.414f, 6360.259f, 23.57f},  // Mount Chiliad - Great Ocean Hwy
    {1416.689f, 6356.22f, 23.985f},  // Mount Chiliad - Great Ocean Hwy
    {1478.107f, 6374.436f, 23.534f},  // Mount Chiliad - Great Ocean Hwy
    {1504.605f, 6325.251f, 24.085f},  // Mount Chiliad - Senora Fwy
    {1531.241f, 6345.847f, 24.077f},  // Mount Chiliad - Senora Fwy
    {1462.952f, 6546.148f, 14.107f},  // Mount Chiliad - Great Ocean Hwy
    {1405.235f, 6590.035f, 12.753f},  // Procopio Beach - Great Ocean Hwy
    {1364.946f, 6550.589f, 14.288f},  // Mount Chiliad - Great Ocean Hwy
    {1469.998f, 6513.227f, 20.995f},  // Mount Chiliad - Great Ocean Hwy
    {1579.576f, 6453.408f, 25.327f},  // Mount Chiliad - Great Ocean Hwy
    {1743.89f, 6407.702f, 35.316f},  // Mount Chiliad - Senora Fwy
    {1690.164f, 6420.242f, 32.563f},  // Mount Chiliad - Senora Fwy
    {1873.711f, 6407.594f, 46.304f},  // Mount Chiliad - Senora Fwy
    {1157.656f, 6507.303f, 20.266f},  // Mount Chiliad - Great Ocean Hwy
    {1086.164f, 6506.627f, 20.181f},  // Mount Chiliad - Great Ocean Hwy
    {-767.84f, 5593.513f, 32.685f},  // Paleto Forest - Procopio Promenade
    {-841.331f, 5408.093f, 33.696f},  // Paleto Forest - Great Ocean Hwy
    {-777.834f, 5399.498f, 33.296f},  // Paleto Forest - Great Ocean Hwy
    {-411.38f, 6365.036f, 12.536f},  // Paleto Bay - Procopio Promenade
    {-442.43f, 6343.609f, 11.843f},  // Paleto Bay - Procopio Promenade
    {-566.73f, 6121.852f, 7.143f},  // Paleto Forest - Procopio Promenade
    {-464.946f, 6271.747f, 13.088f},  // Paleto Bay - Procopio Promenade
    {-586.717f, 5370.818f, 69.964f},  // Paleto Forest - Great Ocean Hwy
    {-562.823f, 5339.267f, 69.526f},  // Mount Chiliad - Great Ocean Hwy
    {-533.014f, 5291.993f, 74.196f},  // Mount Chiliad - Great Ocean Hwy
    {-492.243f, 5295.268f, 79.759f},  // Mount Chiliad - Great Ocean Hwy
    {-1091.27f, 4889.793f, 214.26f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1058.484f, 4908.004f, 210.379f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1492.825f, 4981.029f, 62.32f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-2259.558f, 4292.687f, 45.917f},  // North Chumash - Great Ocean Hwy
    {-2170.896f, 4279.632f, 48.153f},  // North Chumash - Great Ocean Hwy
    {-2226.651f, 4228.042f, 46.089f},  // North Chumash - Great Ocean Hwy
    {-1576.089f, 5169.17f, 18.711f},  // Paleto Cove - Great Ocean Hwy
    {-1044.123f, 5329.235f, 43.674f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-496.728f, 4987.405f, 143.552f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {11.509f, 5037.764f, 454.083f},  // Mount Chiliad - North Calafia Way
    {92.623f, 5086.543f, 501.298f},  // Mount Chiliad - North Calafia Way
    {157.478f, 5211.745f, 573.64f},  // Mount Chiliad - North Calafia Way
    {365.624f, 5460.938f, 691.645f},  // Mount Chiliad - Great Ocean Hwy
    {483.035f, 5522.189f, 776.445f},  // Mount Chiliad - Great Ocean Hwy
    {134.032f, 5177.603f, 552.113f},  // Mount Chiliad - North Calafia Way
    {-28.825f, 4996.481f, 423.812f},  // Mount Chiliad - North Calafia Way
    {-403.03f, 4705.635f, 262.478f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-571.65f, 4781.527f, 203.581f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-566.359f, 4883.038f, 168.111f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-354.507f, 4824.493f, 144.091f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-719.96f, 5077.014f, 138.27f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1008.173f, 5072.195f, 173.043f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1127.801f, 4946.471f, 220.261f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1137.845f, 4915.06f, 219.918f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-625.281f, 5016.39f, 144.992f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-216.031f, 4336.424f, 31.126f},  // Cassidy Creek - North Calafia Way
    {-495.27f, 4518.369f, 86.665f},  // Raton Canyon - Cassidy Trail
    {-671.826f, 4519.329f, 84.928f},  // Raton Canyon - Cassidy Trail
    {-819.923f, 4542.845f, 92.698f},  // Raton Canyon - Cassidy Trail
    {-1048.678f, 4590.587f, 120.275f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-1297.189f, 4606.357f, 120.423f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-1359.431f, 4732.844f, 47.924f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1631.42f, 4735.94f, 53.301f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1369.311f, 4788.42f, 129.759f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1091.373f, 4817.832f, 219.713f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1052.262f, 4783.341f, 236.14f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-944.745f, 4613.185f, 239.075f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-901.308f, 4763.513f, 294.629f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-949.46f, 4839.37f, 312.959f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-664.954f, 4722.597f, 240.314f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-499.397f, 4728.484f, 241.944f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-466.575f, 4960.922f, 153.262f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-934.553f, 5272.828f, 82.013f},  // Mount Chiliad - Great Ocean Hwy
    {-1836.35f, 4505.969f, 22.126f},  // Raton Canyon - Cassidy Trail
    {-1327.213f, 4335.444f, 7.027f},  // Cassidy Creek - Cassidy Trail
    {-1083.726f, 4343.337f, 15.99f},  // Cassidy Creek - Cassidy Trail
    {-887.678f, 4434.223f, 20.988f},  // Cassidy Creek - Cassidy Trail
    {-966.27f, 4413.977f, 18.808f},  // Cassidy Creek - Cassidy Trail
    {-1139.154f, 4416.785f, 11.598f},  // Cassidy Creek - Cassidy Trail
    {-1354.71f, 4448.746f, 25.585f},  // Raton Canyon - Cassidy Trail
    {-1567.445f, 4479.559f, 20.97f},  // Raton Canyon - Cassidy Trail
    {-1515.829f, 4645.031f, 29.147f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1429.877f, 4713.654f, 42.335f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1582.398f, 4669.399f, 45.669f},  // Chiliad Mountain State Wilderness - Great Ocean Hwy
    {-1610.589f, 4625.319f, 45.667f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-1693.417f, 4595.342f, 47.655f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {-1624.833f, 4557.745f, 43.053f},  // Raton Canyon - Cassidy Trail
    {-796.852f, 4422.71f, 17.551f},  // Cassidy Creek - Cassidy Trail
    {-510.161f, 4370.481f, 67.439f},  // Raton Canyon - Cassidy Trail
    {-1148.552f, 4585.067f, 141.318f},  // Chiliad Mountain State Wilderness - Cassidy Trail
    {364.755f, -814.2f, 29.2935f},
};
