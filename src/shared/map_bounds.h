#pragma once
// The part of the world where a place may lie, in world units. Across the map:
// the extent of the built-in spawn points (x -3283 to 3802, y -3340 to 6658,
// the coasts of the map) with 2000 units of sea around it, rounded outward. In
// height: from 1000 below sea level to 10000 above, far around the built-in
// points' heights (2.5 to 806), so that a point saved in flight is still a
// place. A place outside them (a custom point of 1e38 or 99999999999) would
// leave the player far off the map.
struct MapBounds {
    float minX, maxX, minY, maxY, minZ, maxZ;
};
constexpr MapBounds mapBounds{-5300.0f, 5850.0f, -5350.0f, 8700.0f, -1000.0f, 10000.0f};

constexpr bool insideMapBounds(float x, float y, float z) {
    return x >= mapBounds.minX && x <= mapBounds.maxX && y >= mapBounds.minY && y <= mapBounds.maxY &&
           z >= mapBounds.minZ && z <= mapBounds.maxZ;
}
