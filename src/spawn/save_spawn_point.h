#pragma once
// Saving the player's current place, or another, as the next custom spawn point.
#include "host/native_call.h"

// Writes the place of the player (of his vehicle when he sits in one) as
// "custom_spawn_<n+1>_x/_y/_z" and raises "number_of_custom_spawn_points_in_use"
// to n + 1 in one replace of the settings file, n being the count the file
// holds now; tells the player the outcome. True when the file was written.
bool saveCurrentPlaceAsSpawnPoint();
// The same for a given place.
bool saveSpawnPointAt(const Vector3& place);
