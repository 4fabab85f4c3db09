#pragma once
// The map geometry the spawns on foot and the vehicle spawns share: the
// rectangles they draw points from, the bounds a close point keeps to, and
// the offset of a close point from where the player was.
#include <cstdint>

struct MapRegion {
    float minX, maxX, minY, maxY;
};

// The main map: the rectangle of a random map point when its region roll is
// 50 or less, and the small one of a road or air point that is not close.
constexpr MapRegion mainMapRegion{-1274.0f, 1420.0f, -2200.0f, 1128.0f};
// The five rectangles of a random map point's region roll above 50, indexes 1 to 5.
constexpr MapRegion otherMapRegions[5] = {
    {1384.0f, 2126.0f, 3464.0f, 3962.0f},
    {1641.0f, 2989.0f, 4683.0f, 5261.0f},
    {-519.0f, -218.0f, 5921.0f, 6477.0f},
    {-219.0f, 191.0f, 5921.0f, 6401.0f},
    {-2300.0f, 2441.0f, 1052.0f, 4560.0f},
};
// The large rectangles of a road or air point that is not close.
constexpr MapRegion largeRoadRectangle{-3747.0f, 3353.0f, -3059.0f, 6803.0f};
constexpr MapRegion largeAirRectangle{-2200.0f, 3353.0f, -3559.0f, 6903.0f};
// The bounds a close point keeps to.
constexpr MapRegion closePointBounds{-3747.0f, 3352.0f, -3059.0f, 6802.0f};

// Inside the bounds that a close point must keep to (all four comparisons strict).
bool insideCloseMapBounds(float x, float y);
// The distance along one axis, either sign by a host roll, divided by the square root of 2.
int32_t randomAxisOffset(int32_t distance);
