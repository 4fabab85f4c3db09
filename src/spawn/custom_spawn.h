#pragma once
// The user's own spawn points, "custom_spawn_<n>_x/_y/_z" in the settings file.
#include <cstdint>

struct CustomSpawnPoint {
    float x;
    float y;
    float z;
};

// The most points read for one custom spawn, whatever the file claims.
constexpr int32_t maxCustomSpawnPoints = 10000;

CustomSpawnPoint readCustomSpawnPoints();
void spawnAtCustomPoint();
