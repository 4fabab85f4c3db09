#include "spawn/custom_spawn.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "host/natives/gameplay_natives.h"
#include "shared/entities.h"
#include "shared/player_state.h"
#include "settings_io/settings_store.h"
#include "settings/setting_limits.h"
#include "shared/event_log.h"
#include "shared/map_bounds.h"
#include "spawn/ground_spawn.h"

namespace {

// The key "custom_spawn_" + k + "_x" (or _y, _z), read as every float setting is.
float readCoordinate(const ProfileSection& section, int32_t k, char axis) {
    char key[40];
    customSpawnKey(k, axis, key, sizeof key);
    return profileFloat(section, key, 0.0f);
}

// n of a key "custom_spawn_<n>_x" (or _y, _z), names compared as the reader
// compares them; 0 for any other key, and for numbers beyond the most points
// read, which are never read and so never in the way.
int32_t customPointNumber(std::string_view key) {
    constexpr std::string_view prefix = "custom_spawn_";
    if (key.size() < prefix.size() + 3 || !equalIgnoringCase(key.substr(0, prefix.size()), prefix)) return 0;
    char axis = lowerAscii(key.back());
    if (key[key.size() - 2] != '_' || (axis != 'x' && axis != 'y' && axis != 'z')) return 0;
    int32_t number = 0;
    for (char digit : key.substr(prefix.size(), key.size() - prefix.size() - 2)) {
        if (digit < '0' || digit > '9') return 0;
        number = number * 10 + (digit - '0');
        if (number > customSpawnPointCap) return 0;
    }
    return number;
}

}  // namespace

int32_t highestCustomSpawnPoint(const ProfileSection& section) {
    int32_t highest = 0;
    for (const ProfileSection::Entry& entry : section.entries) highest = std::max(highest, customPointNumber(entry.key));
    return highest;
}

void customSpawnKey(int32_t number, char axis, char* key, size_t size) {
    std::snprintf(key, size, "custom_spawn_%d_%c", static_cast<int>(number), axis);
}

CustomSpawnPoint customSpawnPointIn(const ProfileSection& section, int32_t number) {
    float x = readCoordinate(section, number, 'x');
    float y = readCoordinate(section, number, 'y');
    float z = readCoordinate(section, number, 'z');
    return CustomSpawnPoint{x, y, z};
}

int32_t customSpawnPointsInUse() { return std::min(settings.number_of_custom_spawn_points_in_use, customSpawnPointCap); }

CustomSpawnPoint readCustomSpawnPoints() {
    std::map<int32_t, CustomSpawnPoint> points;
    if (settings.number_of_custom_spawn_points_in_use <= 0) return CustomSpawnPoint{0.0f, 0.0f, 0.0f};
    // The file is read and parsed once for all points; an unreadable file
    // leaves every key missing.
    std::string text;
    ProfileSection section;
    readSettingsSection(&section, &text);
    // The count is taken from the settings before every point and capped, so a
    // huge count can neither hang the game nor overflow k.
    for (int32_t k = 1; k <= customSpawnPointsInUse(); ++k) points[k - 1] = customSpawnPointIn(section, k);
    int32_t index = randomInt(0, static_cast<int32_t>(points.size()));
    CustomSpawnPoint point = points[index];
    if (insideMapBounds(point.x, point.y, point.z)) return point;
    logEvent("custom spawn point %d lies outside the map: read as a missing point", static_cast<int>(index + 1));
    return CustomSpawnPoint{0.0f, 0.0f, 0.0f};
}

void spawnAtCustomPoint() {
    if (settings.number_of_custom_spawn_points_in_use <= 0)
        logEvent("no custom points in use (number_of_custom_spawn_points_in_use): the map's origin (0, 0) instead");
    placeAtCustomPoint(readCustomSpawnPoints());
}

void placeAtCustomPoint(const CustomSpawnPoint& point) {
    float ground = 0.0f;
    if (!groundHeightAt(point.x, point.y, point.z, &ground))
        logEvent("no ground below the custom point: placed at height 0, then the ground is searched");
    loadSceneAt(point.x, point.y, ground);
    placeEntity(playerState.playerPed, point.x, point.y, ground);
    faceRandomHeading();
}
