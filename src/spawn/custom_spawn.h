#pragma once
// The user's own spawn points, "custom_spawn_<n>_x/_y/_z" in the settings file.
#include <cstdint>

#include "ini/ini_reader.h"

struct CustomSpawnPoint {
    float x;
    float y;
    float z;
};

// Picks one of the points 1 to "number_of_custom_spawn_points_in_use" (capped)
// at random, as the file holds them now. A point outside the map's bounds is no
// place: it reads as a missing point does, (0, 0, 0); so does no point at all.
CustomSpawnPoint readCustomSpawnPoints();
// The point lies within the map's bounds, so that a custom spawn goes there.
bool customSpawnPointOnMap(const CustomSpawnPoint& point);
void spawnAtCustomPoint();
// Puts the player on the ground at the point, facing a random way.
void placeAtCustomPoint(const CustomSpawnPoint& point);

// The highest n of any key "custom_spawn_<n>_x/_y/_z" of a section, as
// customSpawnKeyPoint reads it (a leading zero or a number beyond
// customSpawnPointCap is never read, so never counted); 0 when there is none.
// Found some entries at a time, for a write that goes on a step per frame.
class HighestCustomSpawnPoint {
public:
    void restart();
    // Looks at up to count more entries; true once every entry is seen.
    bool scan(const ProfileSection& section, size_t count);
    int32_t value() const { return highest_; }

private:
    int32_t highest_ = 0;
    size_t scanned_ = 0;
};
// Point number (1-based) as a section of the settings holds it; missing
// coordinates read as 0.
CustomSpawnPoint customSpawnPointIn(const ProfileSection& section, int32_t number);
// "number_of_custom_spawn_points_in_use" as a custom spawn reads it: at most
// customSpawnPointCap; 0 or less means none.
int32_t customSpawnPointsInUse();
