#pragma once
// The map geometry the spawns on foot and the vehicle spawns share: the
// rectangles they draw points from, the bounds a close point keeps to, and
// the offset of a close point from where the player was.
#include <cstdint>

struct MapRegion {
    float minX, maxX, minY, maxY;
};

// Inside the bounds that a close point must keep to (all four comparisons strict).
bool insideCloseMapBounds(float x, float y);
// The distance along one axis, either sign by a host roll, divided by the square root of 2.
int32_t randomAxisOffset(int32_t distance);
