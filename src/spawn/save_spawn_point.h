#pragma once
// Saving the player's current place, or another, as the next custom spawn point.
#include "host/native_call.h"

// Writes the place of the player (of his vehicle when he sits in one) as
// "custom_spawn_<n>_x/_y/_z", n following the highest point number the file
// holds (any of the three keys counts), so that no point of the player's is
// ever overwritten, and raises "number_of_custom_spawn_points_in_use" to n
// when it is lower, so that the new point is used: all in one write of the
// settings file, a write of ours in steps (settings_write_job.h), chosen from
// the file as it is when written; it tells the player the outcome at its end.
// True when the write began. A file written a moment ago (settingsFileStill:
// an editor's save may be under way), or while another write of ours runs,
// is not written yet: the place is kept and saved by
// finishWaitingSpawnPointSave once the file is free.
bool saveCurrentPlaceAsSpawnPoint();
// The place the save chord kept while the file was not free, saved once it is;
// at every pass of the frame loop.
void finishWaitingSpawnPointSave();
// The same for a given place, begun at once: false, nothing begun, while
// another write of ours runs.
bool saveSpawnPointAt(const Vector3& place);
