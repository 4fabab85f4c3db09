#include "spawn/custom_spawn.h"

#include <algorithm>
#include <map>
#include <string>

#include "host/natives/gameplay_natives.h"
#include "shared/entities.h"
#include "shared/player_state.h"
#include "settings_io/settings_store.h"
#include "settings/custom_spawn_key.h"
#include "settings/setting_limits.h"
#include "shared/event_log.h"
#include "shared/map_bounds.h"
#include "spawn/ground_spawn.h"

namespace {

// The key "custom_spawn_" + k + "_x" (or _y, _z), read as every float setting is.
float readCoordinate(const ProfileSection& section, int32_t k, int axis) {
    char key[customSpawnKeySize];
    formatCustomSpawnKey(k, axis, key, sizeof key);
    return profileFloat(section, key, 0.0f);
}

}  // namespace

void HighestCustomSpawnPoint::restart() {
    highest_ = 0;
    scanned_ = 0;
}

bool HighestCustomSpawnPoint::scan(const ProfileSection& section, size_t count) {
    const size_t end = count >= section.entries.size() - scanned_ ? section.entries.size() : scanned_ + count;
    for (; scanned_ < end; ++scanned_) highest_ = std::max(highest_, customSpawnKeyPoint(section.entries[scanned_].key));
    return scanned_ == section.entries.size();
}

CustomSpawnPoint customSpawnPointIn(const ProfileSection& section, int32_t number) {
    float x = readCoordinate(section, number, 0);
    float y = readCoordinate(section, number, 1);
    float z = readCoordinate(section, number, 2);
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
    int32_t index = getRandomIntInRange(0, static_cast<int32_t>(points.size()));
    CustomSpawnPoint point = points[index];
    if (customSpawnPointOnMap(point)) return point;
    logEvent("custom spawn point %d lies outside the map: read as a missing point", static_cast<int>(index + 1));
    return CustomSpawnPoint{0.0f, 0.0f, 0.0f};
}

bool customSpawnPointOnMap(const CustomSpawnPoint& point) { return insideMapBounds(point.x, point.y, point.z); }

void spawnAtCustomPoint() {
    if (settings.number_of_custom_spawn_points_in_use <= 0)
        logEvent("no custom points in use (number_of_custom_spawn_points_in_use): the map's origin (0, 0) instead");
    placeAtCustomPoint(readCustomSpawnPoints());
}

void placeAtCustomPoint(const CustomSpawnPoint& point) {
    float ground = 0.0f;
    if (!getGroundZFor3dCoord(point.x, point.y, point.z, &ground))
        logEvent("no ground below the custom point: placed at height 0, then the ground is searched");
    loadScene(point.x, point.y, ground);
    placeEntity(playerState.playerPed, point.x, point.y, ground);
    faceRandomHeading();
}
