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

SpawnPoint nearestListPoint(const Vector3& origin);
void spawnAtListPoint(bool closePoint);
Vector3 randomMapPoint(bool closePoint);
void spawnAtRandomMapPoint(bool closePoint);
void spawnAtDeathPoint();
void faceRandomHeading();
void settleOnGround();
