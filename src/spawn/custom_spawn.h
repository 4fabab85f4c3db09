#pragma once
// The user's own spawn points, "custom_spawn_<n>_x/_y/_z" in the settings file.
#include <cstdint>

struct CustomSpawnPoint {
    float x;
    float y;
    float z;
};

CustomSpawnPoint readCustomSpawnPoints();
void spawnAtCustomPoint();
