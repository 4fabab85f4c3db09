#include "spawn/save_spawn_point.h"

#include <cstdio>
#include <string>

#include "host/natives/ped_natives.h"
#include "host/natives/player_natives.h"
#include "settings/custom_points_reach.h"
#include "settings/notifications.h"
#include "settings/profile_text.h"
#include "settings/respawn_settings.h"
#include "settings/settings_file.h"
#include "shared/entities.h"
#include "shared/event_log.h"
#include "spawn/custom_spawn.h"

namespace {

// The count as the file holds it now rather than as last re-read, so that two
// saves within the same second get numbers of their own. Missing or negative: 0.
int32_t customPointsInFile() {
    std::string text;
    ProfileSection section;
    if (!readSettingsSection(&section, &text)) return 0;
    int32_t count = static_cast<int32_t>(profileInt(section, "number_of_custom_spawn_points_in_use", 0xFFFFFFFFu));
    return count < 0 ? 0 : count;
}

Vector3 placeToSave() {
    uint32_t ped = localPlayerPed();
    if (isPedInAnyVehicle(ped)) {
        uint32_t vehicle = vehiclePedIsIn(ped);
        if (isExistingEntity(vehicle)) return entityPosition(vehicle);
    }
    return entityPosition(ped);
}

// A point that the spawn roll never reaches is of no use yet: the player is
// told why, and what to change.
void warnIfNeverPicked() {
    const int32_t chances[spawnModeCount] = {
        settings.on_point_from_list_player_spawn_chance, settings.in_vehicle_on_road_player_spawn_chance,
        settings.in_air_player_spawn_chance,             settings.at_death_point_spawn_chance,
        settings.random_point_on_map_spawn_chance,       settings.custom_spawn_chance,
    };
    char advice[96], message[128];
    if (!customPointsNeverPicked(chances, advice, sizeof advice)) return;
    std::snprintf(message, sizeof message, "It is never picked: %s", advice);
    showNotification(message);
    logEvent("custom points are never picked: %s", advice);
}

}  // namespace

bool saveCurrentPlaceAsSpawnPoint() { return saveSpawnPointAt(placeToSave()); }

bool saveSpawnPointAt(const Vector3& place) {
    int32_t saved = customPointsInFile();
    if (saved >= maxCustomSpawnPoints) {
        showNotification("Custom spawn point list is full");
        logEvent("custom spawn point not saved: the list is full (%d points)", static_cast<int>(saved));
        return false;
    }
    int point = static_cast<int>(saved) + 1;
    char keys[3][40], coordinates[3][24], count[16];
    const float axes[3] = {place.x, place.y, place.z};
    for (int axis = 0; axis < 3; ++axis) {
        std::snprintf(keys[axis], sizeof keys[axis], "custom_spawn_%d_%c", point, "xyz"[axis]);
        std::snprintf(coordinates[axis], sizeof coordinates[axis], "%.2f", static_cast<double>(axes[axis]));
    }
    std::snprintf(count, sizeof count, "%d", point);
    const SettingsValue values[] = {{keys[0], coordinates[0]},
                                    {keys[1], coordinates[1]},
                                    {keys[2], coordinates[2]},
                                    {"number_of_custom_spawn_points_in_use", count}};
    if (!writeSettingsKeys(values, 4)) {
        showNotification("Custom spawn point not saved: Pelorin.ini could not be written");
        logEvent("custom spawn point %d not saved: Pelorin.ini could not be written", point);
        return false;
    }
    char message[48];
    std::snprintf(message, sizeof message, "Custom spawn point %d saved", point);
    showNotification(message);
    logEvent("custom spawn point %d saved at (%s, %s, %s)", point, coordinates[0], coordinates[1], coordinates[2]);
    warnIfNeverPicked();
    return true;
}
