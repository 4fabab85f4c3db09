#pragma once
// The user's own spawn points, "custom_spawn_<n>_x/_y/_z" in the settings file.
#include <cstdint>

struct CustomSpawnPoint {
    float x;
    float y;
    float z;
};

// Picks one of the points 1 to "number_of_custom_spawn_points_in_use" (capped)
// at random, as the file holds them now. A point outside the map's bounds is no
// place: it reads as a missing point does, (0, 0, 0); so does no point at all.
CustomSpawnPoint readCustomSpawnPoints();
void spawnAtCustomPoint();
