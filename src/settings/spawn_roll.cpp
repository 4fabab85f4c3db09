#include "settings/spawn_roll.h"

#include "shared/percent_chance.h"

namespace {

// The modes the fall-back may pick: every mode but the custom one.
constexpr int fallBackModeCount = 5;

SpawnMode fallBackMode(const SpawnChances& chances) {
    for (int mode = 0; mode < fallBackModeCount; ++mode)
        if (chances.of[mode] != 0) return static_cast<SpawnMode>(mode);
    return SpawnMode::OnPointFromList;
}

}  // namespace

SpawnChances spawnChancesOf(const RespawnSettings& record) {
    SpawnChances chances{};
    for (int mode = 0; mode < spawnModeCount; ++mode)
        chances.of[mode] = static_cast<int32_t>(settingValue(record, spawnModes[mode].chance));
    return chances;
}

RolledMode spawnModeForRoll(const SpawnChances& chances, int32_t roll) {
    uint32_t threshold = 0;  // a 32-bit signed sum that wraps around as the game's arithmetic does
    for (int mode = 0; mode < spawnModeCount; ++mode) {
        threshold += static_cast<uint32_t>(chances.of[mode]);
        if (roll <= static_cast<int32_t>(threshold)) return RolledMode{static_cast<SpawnMode>(mode), false};
    }
    return RolledMode{fallBackMode(chances), true};
}

SpawnOdds spawnOddsOf(const SpawnChances& chances, int32_t closeChance) {
    SpawnOdds odds{};
    odds.chances = chances;
    odds.closeChance = closeChance;
    odds.fallBackMode = static_cast<int>(fallBackMode(chances));
    for (int32_t roll = spawnRollFirst; roll < spawnRollEnd; ++roll) {
        RolledMode rolled = spawnModeForRoll(chances, roll);
        if (rolled.fellBack)
            ++odds.fallBackRolls;
        else
            ++odds.rolls[static_cast<int>(rolled.mode)];
    }
    for (int32_t roll = percentRollFirst; roll < percentRollEnd; ++roll) odds.closeRolls += percentReached(closeChance, roll);
    return odds;
}
