#pragma once
// The vehicle model names of the lists the vehicle spawns draw from, as the
// game names them, in their stored order. A name may stand twice in a list,
// sometimes in another letter case: every entry weights the draw. Kept in a
// header of its own so that the simulated game can hold the same models.

// Land
inline constexpr const char* superCarModelNames[] = {
    "Adder", "Autarch", "Bullet", "Cheetah", "Cyclone", "EntityXF", "Entity2", "FMJ", "GP1", "Infernus",
    "LE7B", "Nero", "Nero2", "Osiris", "Penetrator", "Pfister811", "Prototipo", "Reaper", "SC1", "Sheava",
    "SultanRS", "Superd", "T20", "Taipan", "Tempesta", "Tezeract", "Turismo2", "Turismor", "Tyrant", "Tyrus",
    "Vacca", "Vagner", "Vigilante", "Visione", "Voltic", "Voltic2", "Zentorno", "Italigtb", "Italigtb2",
    "XA21",
};
inline constexpr const char* motorcycleModelNames[] = {
    "Policeb", "Akuma", "Avarus", "Bagger", "Bati2", "Bati", "BF400", "CarbonRS", "Chimera", "Cliffhanger",
    "Daemon2", "Daemon", "Defiler", "Diablous", "Diablous2", "Double", "Enduro", "Esskey", "Faggio2",
    "Faggio3", "Faggio", "Fcr2", "Fcr", "Gargoyle", "Hakuchou2", "Hakuchou", "Hexer", "Innovation", "Lectro",
    "Manchez", "Nemesis", "Nightblade", "PCJ", "Ratbike", "Ruffian", "Sanchez2", "Sanchez", "Sanctus",
    "Shotaro", "Sovereign", "Thrust", "Vader", "Vindicator", "Vortex", "Wolfsbane", "Zombiea", "Zombieb",
    "Blazer", "Blazer2", "Blazer3", "Blazer4", "Oppressor", "Blazer5",
};
// Land vehicles that carry weapons in the game's data. The armoured ones
// without a weapon (Kuruma2, Dukes2, the armoured Cognoscenti, Baller,
// Schafter and XLS, Brickade), Riot2 (a water cannon, no weapon) and Ruiner3
// are unarmed: the all-land list holds them for the unarmed draw.
inline constexpr const char* armedLandModelNames[] = {
    "APC", "Barrage", "Chernobog", "Khanjali", "Rhino", "Insurgent", "Insurgent2", "Insurgent3", "LIMO2",
    "Boxville5", "Insurgent", "Insurgent2", "Insurgent3", "Boxville5", "Tampa3", "Dune3", "Limo2", "Ardent",
    "Nightshark", "Technical3", "Vigilante", "Comet4", "Deluxo", "Stromberg", "Savestra", "Viseris", "Revolter",
    "Caracara",
};
inline constexpr const char* armedBikeModelNames[] = {
    "Oppressor", "Blazer5",
};
inline constexpr const char* muscleCarModelNames[] = {
    "Blade", "Buccaneer", "Buccaneer2", "Chino", "Chino2", "Dominator", "Dominator2", "Dominator3", "Dukes",
    "Ellie", "Faction", "Faction2", "Faction3", "Gauntlet", "Gauntlet2", "Hermes", "Hotknife", "Hustler",
    "Lurcher", "Moonbeam", "Moonbeam2", "Nightshade", "Phoenix", "Picador", "RatLoader", "RatLoader2",
    "Ruiner", "Ruiner2", "Ruiner3", "SabreGT", "SabreGT2", "SlamVan", "SlamVan2", "SlamVan3", "Stalion",
    "Stalion2", "Tampa", "Vigero", "Virgo", "Virgo2", "Virgo3", "Voodoo", "Voodoo2", "Yosemite",
};
inline constexpr const char* emergencyModelNames[] = {
    "Ambulance", "FBI", "FBI2", "firetruk", "PBus", "Police", "Police2", "Police3", "Police4", "PoliceT",
    "Pranger", "Riot", "Riot2", "Sheriff", "Sheriff2",
};
inline constexpr const char* offRoadModelNames[] = {
    "BfInjection", "Bifta", "Bodhi2", "Brawler", "DLoader", "Dune", "Dune2", "Dune4", "Dune5", "Kalahari",
    "Kamacho", "Lguard", "Marshall", "Mesa", "Mesa2", "Mesa3", "Monster", "RancherXL", "Rebel", "Rebel2",
    "Riata", "Sandking", "Sandking2", "Technical", "Technical2", "TrophyTruck", "TrophyTruck2",
};
inline constexpr const char* suvModelNames[] = {
    "BJXL", "Baller", "Baller2", "Baller3", "Baller4", "Cavalcade", "Cavalcade2", "Contender", "Dubsta",
    "Dubsta2", "Dubsta3", "FQ2", "Granger", "Gresley", "Habanero", "Huntley", "Landstalker", "Patriot", "Radi",
    "Rocoto", "Seminole", "Serrano", "XLS",
};
inline constexpr const char* sedanModelNames[] = {
    "Asea", "Asea2", "Asterope", "Cog55", "Emperor", "Emperor2", "Fugitive", "Glendale", "Ingot", "Intruder",
    "Premier", "Primo", "Primo2", "Regina", "Romero", "Stanier", "Stratum", "Stretch", "Surge", "Tailgater",
    "Warrener", "Washington",
};
inline constexpr const char* serviceModelNames[] = {
    "Airbus", "Bus", "Coach", "Rallytruck", "RentalBus", "Taxi", "Tourbus", "Trash", "Trash2", "wastelander",
};
inline constexpr const char* sportsCarModelNames[] = {
    "Alpha", "Banshee", "Banshee2", "BestiaGTS", "Buffalo", "Buffalo2", "Buffalo3", "Carbonizzare", "Comet2",
    "Comet3", "Comet5", "Coquette", "Elegy", "Elegy2", "Feltzer2", "Feltzer3", "FlashGT", "Furoregt",
    "Fusilade", "Futo", "GB200", "Hotring", "Infernus2", "Jester", "Jester2", "Khamelion", "Kuruma", "Lynx",
    "Massacro", "Massacro2", "Neon", "Ninef", "Ninef2", "Omnis", "Pariah", "Penumbra", "Raiden", "RapidGT",
    "RapidGT2", "Raptor", "Ruston", "Schafter2", "Schafter3", "Schafter4", "Schwarzer", "Sentinel3", "Seven70",
    "Specter", "Specter2", "Streiter", "Sultan", "Surano", "Tampa2", "Tropos", "Verlierer2",
};
inline constexpr const char* sportsClassicModelNames[] = {
    "BType", "BType2", "BType3", "Casco", "Cheetah2", "Cheburek", "Coquette2", "Coquette3", "Fagaloa", "GT500",
    "JB700", "Jester3", "Mamba", "Manana", "Michelli", "Monroe", "Peyote", "Pigalle", "RapidGT3", "Retinue",
    "Stinger", "StingerGT", "Torero", "Tornado", "Tornado2", "Tornado3", "Tornado4", "Tornado5", "Tornado6",
    "Z190", "ZType",
};
inline constexpr const char* utilityModelNames[] = {
    "Airtug", "Caddy", "Caddy2", "Caddy3", "Docktug", "Forklift", "Mower", "Ripley", "Sadler", "Scrap",
    "TowTruck", "TowTruck2", "Tractor", "Tractor2", "UtilliTruck", "UtilliTruck3", "UtilliTruck2",
};
inline constexpr const char* vanModelNames[] = {
    "Bison", "Bison2", "Bison3", "BobcatXL", "Boxville", "Boxville2", "Boxville3", "Boxville4", "Burrito",
    "Burrito2", "Burrito3", "Burrito4", "Camper", "GBurrito", "GBurrito2", "Journey", "Minivan", "Minivan2",
    "Paradise", "Pony", "Pony2", "Rumpo", "Rumpo2", "Rumpo3", "Speedo", "Speedo2", "Surfer", "Surfer2", "Taco",
    "Youga", "Youga2",
};
inline constexpr const char* industrialModelNames[] = {
    "Bulldozer", "Cutter", "Dump", "Flatbed", "Guardian", "Handler", "Mixer", "Mixer2", "Rubble", "TipTruck",
    "TipTruck2",
};
inline constexpr const char* commercialModelNames[] = {
    "Benson", "Biff", "Hauler", "Hauler2", "Mule", "Mule2", "Mule3", "Packer", "Phantom", "Phantom2",
    "Phantom3", "Pounder", "Stockade",
};
inline constexpr const char* compactModelNames[] = {
    "Blista", "Blista2", "Blista3", "Brioso", "Dilettante", "Dilettante2", "Issi2", "Issi3", "Panto",
    "Prairie", "Rhapsody",
};
inline constexpr const char* coupeModelNames[] = {
    "CogCabrio", "Exemplar", "F620", "Felon", "Felon2", "Jackal", "Oracle", "Oracle2", "Sentinel", "Sentinel2",
    "Windsor", "Windsor2", "Zion", "Zion2",
};
inline constexpr const char* bicycleModelNames[] = {
    "Bmx", "Cruiser", "Fixter", "Scorcher", "TriBike", "TriBike2", "TriBike3",
};

// Every land vehicle but the motorcycles: the commercial, compact, coupe, bicycle,
// emergency, industrial, muscle, off-road, SUV, sedan, service, sports and sports
// classic runs, the super cars without "Vigilante", the utility and van runs, five
// military and riot vehicles of no other list, and a run of armed and armoured
// vehicles (the armed land vehicles, and the armoured ones without weapons).
inline constexpr const char* allLandModelNames[] = {
    "Benson", "Biff", "Hauler", "Hauler2", "Mule", "Mule2", "Mule3", "Packer", "Phantom", "Phantom2",
    "Phantom3", "Pounder", "Stockade", "Blista", "Blista2", "Blista3", "Brioso", "Dilettante", "Dilettante2",
    "Issi2", "Issi3", "Panto", "Prairie", "Rhapsody", "CogCabrio", "Exemplar", "F620", "Felon", "Felon2",
    "Jackal", "Oracle", "Oracle2", "Sentinel", "Sentinel2", "Windsor", "Windsor2", "Zion", "Zion2", "Bmx",
    "Cruiser", "Fixter", "Scorcher", "TriBike", "TriBike2", "TriBike3", "Ambulance", "FBI", "FBI2",
    "firetruk", "PBus", "Police", "Police2", "Police3", "Police4", "PoliceT", "Pranger", "Riot", "Riot2",
    "Sheriff", "Sheriff2", "Bulldozer", "Cutter", "Dump", "Flatbed", "Guardian", "Handler", "Mixer", "Mixer2",
    "Rubble", "TipTruck", "TipTruck2", "Blade", "Buccaneer", "Buccaneer2", "Chino", "Chino2", "Dominator",
    "Dominator2", "Dominator3", "Dukes", "Ellie", "Faction", "Faction2", "Faction3", "Gauntlet", "Gauntlet2",
    "Hermes", "Hotknife", "Hustler", "Lurcher", "Moonbeam", "Moonbeam2", "Nightshade", "Phoenix", "Picador",
    "RatLoader", "RatLoader2", "Ruiner", "Ruiner2", "Ruiner3", "SabreGT", "SabreGT2", "SlamVan", "SlamVan2",
    "SlamVan3", "Stalion", "Stalion2", "Tampa", "Vigero", "Virgo", "Virgo2", "Virgo3", "Voodoo", "Voodoo2",
    "Yosemite", "BfInjection", "Bifta", "Bodhi2", "Brawler", "DLoader", "Dune", "Dune2", "Dune4", "Dune5",
    "Kalahari", "Kamacho", "Lguard", "Marshall", "Mesa", "Mesa2", "Mesa3", "Monster", "RancherXL", "Rebel",
    "Rebel2", "Riata", "Sandking", "Sandking2", "Technical", "Technical2", "TrophyTruck", "TrophyTruck2",
    "BJXL", "Baller", "Baller2", "Baller3", "Baller4", "Cavalcade", "Cavalcade2", "Contender", "Dubsta",
    "Dubsta2", "Dubsta3", "FQ2", "Granger", "Gresley", "Habanero", "Huntley", "Landstalker", "Patriot", "Radi",
    "Rocoto", "Seminole", "Serrano", "XLS", "Asea", "Asea2", "Asterope", "Cog55", "Emperor", "Emperor2",
    "Fugitive", "Glendale", "Ingot", "Intruder", "Premier", "Primo", "Primo2", "Regina", "Romero", "Stanier",
    "Stratum", "Stretch", "Surge", "Tailgater", "Warrener", "Washington", "Airbus", "Bus", "Coach",
    "Rallytruck", "RentalBus", "Taxi", "Tourbus", "Trash", "Trash2", "wastelander", "Alpha", "Banshee",
    "Banshee2", "BestiaGTS", "Buffalo", "Buffalo2", "Buffalo3", "Carbonizzare", "Comet2", "Comet3", "Comet5",
    "Coquette", "Elegy", "Elegy2", "Feltzer2", "Feltzer3", "FlashGT", "Furoregt", "Fusilade", "Futo", "GB200",
    "Hotring", "Infernus2", "Jester", "Jester2", "Khamelion", "Kuruma", "Lynx", "Massacro", "Massacro2",
    "Neon", "Ninef", "Ninef2", "Omnis", "Pariah", "Penumbra", "Raiden", "RapidGT", "RapidGT2", "Raptor",
    "Ruston", "Schafter2", "Schafter3", "Schafter4", "Schwarzer", "Sentinel3", "Seven70", "Specter",
    "Specter2", "Streiter", "Sultan", "Surano", "Tampa2", "Tropos", "Verlierer2", "BType", "BType2", "BType3",
    "Casco", "Cheetah2", "Cheburek", "Coquette2", "Coquette3", "Fagaloa", "GT500", "JB700", "Jester3", "Mamba",
    "Manana", "Michelli", "Monroe", "Peyote", "Pigalle", "RapidGT3", "Retinue", "Stinger", "StingerGT",
    "Torero", "Tornado", "Tornado2", "Tornado3", "Tornado4", "Tornado5", "Tornado6", "Z190", "ZType", "Adder",
    "Autarch", "Bullet", "Cheetah", "Cyclone", "EntityXF", "Entity2", "FMJ", "GP1", "Infernus", "LE7B", "Nero",
    "Nero2", "Osiris", "Penetrator", "Pfister811", "Prototipo", "Reaper", "SC1", "Sheava", "SultanRS",
    "Superd", "T20", "Taipan", "Tempesta", "Tezeract", "Turismo2", "Turismor", "Tyrant", "Tyrus", "Vacca",
    "Vagner", "Visione", "Voltic", "Voltic2", "Zentorno", "Italigtb", "Italigtb2", "XA21", "Airtug", "Caddy",
    "Caddy2", "Caddy3", "Docktug", "Forklift", "Mower", "Ripley", "Sadler", "Scrap", "TowTruck", "TowTruck2",
    "Tractor", "Tractor2", "UtilliTruck", "UtilliTruck3", "UtilliTruck2", "Bison", "Bison2",
    "Bison3", "BobcatXL", "Boxville", "Boxville2", "Boxville3", "Boxville4", "Burrito", "Burrito2", "Burrito3",
    "Burrito4", "Camper", "GBurrito", "GBurrito2", "Journey", "Minivan", "Minivan2", "Paradise", "Pony",
    "Pony2", "Rumpo", "Rumpo2", "Rumpo3", "Speedo", "Speedo2", "Surfer", "Surfer2", "Taco", "Youga", "Youga2",
    "Barracks", "Barracks2", "Barracks3", "Crusader", "RIOT", "APC", "Barrage", "Chernobog", "Khanjali",
    "Rhino", "Insurgent", "Insurgent2", "Insurgent3", "KURUMA2", "DUKES2", "RIOT2", "LIMO2",
    "COGNOSCENTI", "COGNOSCENTI2", "BALLER5", "BALLER6", "BRICKADE", "XLS2", "SCHAFTER5", "SCHAFTER6",
    "COG552", "Boxville5", "Cog552", "Cognoscenti", "Cognoscenti2", "Insurgent", "Insurgent2", "Insurgent3",
    "Boxville5", "Tampa3", "XLS2", "Dune3", "Brickade", "Dukes2", "Baller5", "Baller6", "Kuruma2", "Limo2",
    "Schafter5", "Schafter6", "Ardent", "Nightshark", "Technical3", "Vigilante", "Comet4", "Deluxo",
    "Stromberg", "Savestra", "Viseris", "Revolter", "Caracara",
};

// Armed vehicles that stand in lists of another kind (muscle cars, off-road
// vehicles, helicopters) and so in the lists the unarmed draws take their
// candidates from: those draws replace them as they replace the armed lists' entries.
inline constexpr const char* otherArmedLandModelNames[] = {
    "Ruiner2", "Technical", "Technical2",
};
inline constexpr const char* otherArmedHelicopterModelNames[] = {
    "Havok",
};

// Air
inline constexpr const char* planeModelNames[] = {
    "AlphaZ1", "Avenger", "Avenger2", "Besra", "Blimp", "Blimp2", "Bombushka", "CargoPlane", "Cuban800",
    "Dodo", "Duster", "Howard", "Hydra", "Jet", "Lazer", "Luxor", "Luxor2", "Mammatus", "Microlight", "Miljet",
    "Mogul", "Molotok", "Nimbus", "Nokota", "Pyro", "Rogue", "Seabreeze", "Shamal", "Starling", "Stunt",
    "Titan", "Tula", "Velum", "Velum2", "Vestra", "Volatol",
};
inline constexpr const char* helicopterModelNames[] = {
    "Polmav", "Buzzard2", "Cargobob", "Cargobob2", "Cargobob3", "Cargobob4", "Frogger", "Frogger2", "Havok",
    "Maverick", "Volatus", "Swift", "Swift2", "Supervolito", "Supervolito2", "Skylift", "Akula", "Annihilator",
    "Buzzard", "Hunter", "Savage", "Seasparrow", "Valkyrie", "Valkyrie2",
};
inline constexpr const char* armedPlaneModelNames[] = {
    "Avenger", "Avenger2", "Bombushka", "Hydra", "Lazer", "Microlight", "Mogul", "Molotok", "Nokota", "Pyro",
    "Rogue", "Seabreeze", "Starling", "Tula", "Volatol",
};
inline constexpr const char* armedHelicopterModelNames[] = {
    "Akula", "Annihilator", "Buzzard", "Hunter", "Savage", "Seasparrow", "Valkyrie", "Valkyrie2",
};
inline constexpr const char* defaultPlaneModelNames[] = {
    "Hydra", "Lazer", "Molotok", "Nokota", "Pyro", "Rogue", "Starling", "Volatol", "Vestra", "AlphaZ1",
    "Besra", "Cuban800", "Dodo", "Howard", "Lazer", "Luxor", "Luxor2", "Mammatus", "Miljet", "Stunt", "Velum",
    "Velum2",
};

// The fixed names that replace an armed candidate of an unarmed draw, by the
// integer part v of a roll between 1.0 and 101.0: the first band with v up to
// its bound (the last band takes every v above the one before).
struct ReplacementBand {
    int upTo;
    const char* name;
};
inline constexpr ReplacementBand unarmedPlaneReplacementBands[] = {
    {10, "Stunt"}, {20, "Velum"}, {30, "Howard"}, {40, "Cuban800"}, {50, "Howard"},
    {60, "Nimbus"}, {70, "Shamal"}, {80, "Duster"}, {101, "Besra"},
};
inline constexpr ReplacementBand unarmedHelicopterReplacementBands[] = {
    {30, "Supervolito"}, {60, "Buzzard2"}, {101, "Frogger"},
};
inline constexpr ReplacementBand unarmedMotorcycleReplacementBands[] = {
    {25, "Zombieb"}, {50, "Akuma"}, {75, "Manchez"}, {90, "Wolfsbane"}, {101, "CarbonRS"},
};
