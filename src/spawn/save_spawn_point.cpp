#include "settings/settings_keys.h"
#include "spawn/save_spawn_point.h"

#include <algorithm>
#include <memory>
#include <cstdio>
#include <string_view>
#include <vector>

#include "host/natives/ped_natives.h"
#include "host/natives/player_natives.h"
#include "settings/custom_points_reach.h"
#include "shared/on_screen_text.h"
#include "ini/ini_reader.h"
#include "settings_io/settings_store.h"
#include "settings/custom_spawn_key.h"
#include "settings/setting_limits.h"
#include "settings_io/settings_file.h"
#include "settings_io/settings_write_job.h"
#include "shared/entities.h"
#include "shared/event_log.h"
#include "spawn/custom_spawn.h"

namespace {

Vector3 placeToSave() {
    uint32_t ped = playerPedId();
    if (isPedInAnyVehicle(ped)) {
        uint32_t vehicle = getVehiclePedIsIn(ped);
        if (isExistingEntity(vehicle)) return entityPosition(vehicle);
    }
    return entityPosition(ped);
}

bool placeWaiting = false;
Vector3 waitingPlace{};

// A point that the spawn roll never reaches is of no use yet: the player is
// told why, and what to change.
void warnIfNeverPicked() {
    char advice[96], message[128];
    if (!customPointsNeverPicked(spawnChancesOf(settings), advice, sizeof advice)) return;
    std::snprintf(message, sizeof message, "It is never picked: %s", advice);
    showNotification(message);
    logEvent("custom points are never picked: %s", advice);
}

// The keys of a saved point, chosen from the file as it is when written: a
// point the player added meanwhile is seen, and the new one numbered after it.
class PointSaveChoice : public SettingsKeysChooser {
public:
    explicit PointSaveChoice(const Vector3& place) {
        const float axes[3] = {place.x, place.y, place.z};
        for (int axis = 0; axis < 3; ++axis)
            std::snprintf(coordinates[axis], sizeof coordinates[axis], "%.2f", static_cast<double>(axes[axis]));
    }

    bool choose(const ProfileSection& section, const ProfileSection&, bool fromStart,
                std::vector<SettingsValue>* chosen) override {
        chosen->clear();
        if (fromStart) highest_.restart();
        // Some 50 us of names read between two looks at the clock.
        if (!highest_.scan(section, 2048)) return false;
        const int32_t highest = highest_.value();
        full = highest >= customSpawnPointCap;
        if (full) return true;
        point = highest + 1;
        countBefore =
            static_cast<int32_t>(profileInt(section, number_of_custom_spawn_points_in_useKeyName, 0xFFFFFFFFu));
        for (int axis = 0; axis < 3; ++axis) formatCustomSpawnKey(point, axis, keys[axis], sizeof keys[axis]);
        std::snprintf(count, sizeof count, "%d", static_cast<int>(std::max(countBefore, point)));
        *chosen = {{keys[0], coordinates[0]},
                   {keys[1], coordinates[1]},
                   {keys[2], coordinates[2]},
                   {number_of_custom_spawn_points_in_useKeyName, count}};
        return true;
    }

    char keys[3][customSpawnKeySize], coordinates[3][24], count[16];
    int32_t point = 0, countBefore = 0;
    bool full = false;

private:
    HighestCustomSpawnPoint highest_;
};

// The player told the outcome of the write.
void tellOutcome(const PointSaveChoice& save, SettingsWriteEnd end) {
    if (save.full) {
        showNotification("Custom spawn point list is full");
        logEvent("custom spawn point not saved: the list is full (point %d is there)",
                 static_cast<int>(customSpawnPointCap));
        return;
    }
    if (end != SettingsWriteEnd::Written) {
        showNotification("Custom spawn point not saved: Pelorin.ini could not be written");
        logEvent("custom spawn point not saved: Pelorin.ini could not be written");
        return;
    }
    char message[48];
    std::snprintf(message, sizeof message, "Custom spawn point %d saved", static_cast<int>(save.point));
    showNotification(message);
    logEvent("custom spawn point %d saved at (%s, %s, %s)", static_cast<int>(save.point), save.coordinates[0],
             save.coordinates[1], save.coordinates[2]);
    // The player's count left out points he wrote below the new one; they count
    // now. (A count of his may be as large as the file's numbers go.)
    int32_t countedBefore = std::max(save.countBefore, 0);
    if (countedBefore < save.point - 1)
        logEvent("number_of_custom_spawn_points_in_use raised from %d to %d: points %d to %d count too",
                 static_cast<int>(countedBefore), static_cast<int>(save.point), static_cast<int>(countedBefore + 1),
                 static_cast<int>(save.point - 1));
    warnIfNeverPicked();
}

// The file may take our write now: no save of the player's under way, and no write of ours.
bool fileFree() { return settingsFileStill() && !settingsWriteRunning(); }

}  // namespace

bool saveCurrentPlaceAsSpawnPoint() {
    if (!fileFree()) {
        waitingPlace = placeToSave();
        placeWaiting = true;
        if (!settingsFileStill()) {
            showNotification("Pelorin.ini was saved a moment ago: the point is saved once the file is still");
            logEvent("custom spawn point waits: Pelorin.ini was written less than %.1f s ago",
                     static_cast<double>(settingsStillMilliseconds) / 1000.0);
        }
        return false;
    }
    placeWaiting = false;
    return saveSpawnPointAt(placeToSave());
}

void finishWaitingSpawnPointSave() {
    if (!placeWaiting || !fileFree()) return;
    placeWaiting = false;
    saveSpawnPointAt(waitingPlace);
}

bool saveSpawnPointAt(const Vector3& place) {
    auto choice = std::make_unique<PointSaveChoice>(place);
    const PointSaveChoice* made = choice.get();
    return startSettingsWrite(std::move(choice), [made](SettingsWriteEnd end, const std::vector<SettingsValue>&) {
        tellOutcome(*made, end);
    });
}
