#pragma once
// The strategies that bring the player back on foot and the placement
// operations they share with the other spawns.
#include <cstdint>

#include "host/native_call.h"

struct SpawnPoint {
    float x;
    float y;
    float z;
};

struct MapRegion {
    float minX, maxX, minY, maxY;
};

int32_t randomAxisOffset(int32_t distance);
SpawnPoint nearestListPoint(const Vector3& origin);
void spawnAtListPoint(bool closePoint);
Vector3 randomMapPoint(bool closePoint);
void spawnAtRandomMapPoint(bool closePoint);
void spawnAtDeathPoint();
Vector3 entityPosition(uint32_t entity);
void placeEntity(uint32_t entity, float x, float y, float z);
void faceRandomHeading();
void settleOnGround();
// Inside the bounds that a close point must keep to (all four comparisons strict).
bool insideCloseMapBounds(float x, float y);
