#include "spawn/spawn_mode.h"

#include <cstdint>

#include "host/natives/audio_natives.h"
#include "host/natives/gameplay_natives.h"
#include "settings/settings_record.h"
#include "shared/event_log.h"
#include "shared/percent_chance.h"
#include "spawn/custom_spawn.h"
#include "spawn/ground_spawn.h"
#include "vehicles/vehicle_spawn.h"

namespace {

// Runs the mode's strategy; true when the player must be settled on the ground.
bool runSpawnMode(SpawnMode mode, bool closePoint) {
    const SpawnModeRow& row = spawnModes[static_cast<int>(mode)];
    logEvent("coming back: %s%s", row.name, closePoint && row.takesClosePoint ? ", near where you were" : "");
    switch (mode) {
        case SpawnMode::OnPointFromList:
            spawnAtListPoint(closePoint);
            return false;
        case SpawnMode::InVehicleOnRoad:
            spawnInVehicleOnRoad(closePoint);
            return false;
        case SpawnMode::InAir:
            spawnInAir(closePoint);
            return false;
        case SpawnMode::AtDeathPoint:
            spawnAtDeathPoint();
            return true;
        case SpawnMode::RandomPointOnMap:
            spawnAtRandomMapPoint(closePoint);
            return true;
        case SpawnMode::CustomPoint:
            spawnAtCustomPoint();
            return true;
    }
    return false;
}

}  // namespace

bool chooseSpawn() {
    int32_t roll = getRandomIntInRange(spawnRollFirst, spawnRollEnd);
    bool closePoint = percentChance(settings.on_close_point_player_spawn_chance);
    RolledMode rolled = spawnModeForRoll(spawnChancesOf(settings), roll);
    if (rolled.fellBack) {
        // Announced by the sound only; the log says why.
        playFocusSound();
        logEvent("the spawn chances add up to less than this roll (%d, of 1 to 99): the first way whose chance is not 0",
                 static_cast<int>(roll));
    }
    return runSpawnMode(rolled.mode, closePoint);
}

void playFocusSound() {
    playSoundFrontend("FocusIn", "HintCamSounds", true);
    playSoundFrontend("FocusOut", "HintCamSounds", true);
}
