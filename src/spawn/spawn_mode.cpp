#include "spawn/spawn_mode.h"

#include <cstdint>

#include "host/natives/audio_natives.h"
#include "host/natives/gameplay_natives.h"
#include "settings/respawn_settings.h"
#include "shared/event_log.h"
#include "shared/percent_chance.h"
#include "spawn/custom_spawn.h"
#include "spawn/ground_spawn.h"
#include "vehicles/vehicle_spawn.h"

namespace {

constexpr int spawnModeCount = 6;
// The modes the fall-back may pick: every mode but the custom one.
constexpr int fallBackModeCount = 5;

// A 32-bit signed sum that wraps around as the game's arithmetic does.
int32_t wrappingSum(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

constexpr const char* spawnModeNames[spawnModeCount] = {
    "point from the list", "vehicle on a road", "aircraft in flight", "death point", "random point of the map",
    "custom point",
};

// Runs the mode's strategy; true when the player must be settled on the ground.
bool runSpawnMode(SpawnMode mode, bool closePoint) {
    bool nearLastPlace = closePoint && mode != SpawnMode::AtDeathPoint && mode != SpawnMode::CustomPoint;
    logEvent("coming back: %s%s", spawnModeNames[static_cast<int>(mode)], nearLastPlace ? ", near where you were" : "");
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
    int32_t roll = randomInt(1, 100);
    bool closePoint = percentChance(settings.on_close_point_player_spawn_chance);
    // Chances in the order of SpawnMode.
    const int32_t chances[spawnModeCount] = {
        settings.on_point_from_list_player_spawn_chance, settings.in_vehicle_on_road_player_spawn_chance,
        settings.in_air_player_spawn_chance,             settings.at_death_point_spawn_chance,
        settings.random_point_on_map_spawn_chance,       settings.custom_spawn_chance,
    };
    int32_t threshold = 0;
    for (int mode = 0; mode < spawnModeCount; ++mode) {
        threshold = wrappingSum(threshold, chances[mode]);
        if (roll <= threshold) return runSpawnMode(static_cast<SpawnMode>(mode), closePoint);
    }
    // The chances add up to less than the roll: announce it and take the first
    // mode with a chance other than 0, or the list.
    playFocusSound();
    logEvent("the spawn chances add up to less than this roll (%d, of 1 to 99): the first way whose chance is not 0",
             static_cast<int>(roll));
    for (int mode = 0; mode < fallBackModeCount; ++mode)
        if (chances[mode] != 0) return runSpawnMode(static_cast<SpawnMode>(mode), closePoint);
    return runSpawnMode(SpawnMode::OnPointFromList, closePoint);
}

void playFocusSound() {
    playFrontendSound("FocusIn", "HintCamSounds", true);
    playFrontendSound("FocusOut", "HintCamSounds", true);
}
