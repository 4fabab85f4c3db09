#pragma once
// Saving the player's current place, or another, as the next custom spawn point.
#include "host/native_call.h"

// Writes the place of the player (of his vehicle when he sits in one) as
// "custom_spawn_<n>_x/_y/_z", n following the highest point number the file
// holds (any of the three keys counts), so that no point of the player's is
// ever overwritten, and raises "number_of_custom_spawn_points_in_use" to n
// when it is lower, so that the new point is used: all in one write of the
// settings file, chosen from the file as it is at that moment. Tells the
// player the outcome. True when the file was written. A file written a moment
// ago (settingsFileStill: an editor's save may be under way) is not written:
// the place is kept and saved by finishWaitingSpawnPointSave once the file is
// still.
bool saveCurrentPlaceAsSpawnPoint();
// The place the save chord kept while the file was not still, saved once it is;
// at every pass of the frame loop.
void finishWaitingSpawnPointSave();
// The same for a given place.
bool saveSpawnPointAt(const Vector3& place);
