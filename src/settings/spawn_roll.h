#pragma once
// The spawn roll, once for every user: which spawn mode a roll picks from the
// six chance settings (with the fall-back when the chances add up to less than
// the roll). chooseSpawn rolls with it, the checker counts its odds with it
// (and those of the close-point roll, a percentChance), and the log and the
// checker name the modes from its one table.
#include <cstdint>

#include "settings/settings_record.h"
#include "settings/settings_keys.h"

// The modes in the order of the cumulative roll and of the fall-back, each
// with its name, its chance (a percent of the roll) and whether its place may
// be near the point of death: the enum and the table are views of this list.
#define SPAWN_MODES(MODE)                                                                  \
    MODE(OnPointFromList, "point from the list", on_point_from_list_player_spawn_chance, true)  \
    MODE(InVehicleOnRoad, "vehicle on a road", in_vehicle_on_road_player_spawn_chance, true)    \
    MODE(InAir, "aircraft in flight", in_air_player_spawn_chance, true)                         \
    MODE(AtDeathPoint, "death point", at_death_point_spawn_chance, false)                       \
    MODE(RandomPointOnMap, "random point of the map", random_point_on_map_spawn_chance, true)   \
    MODE(CustomPoint, "custom point", custom_spawn_chance, false)

#define SPAWN_MODE_ENUMERATOR(mode, ...) mode,
enum class SpawnMode { SPAWN_MODES(SPAWN_MODE_ENUMERATOR) };
#undef SPAWN_MODE_ENUMERATOR

struct SpawnModeRow {
    const char* name;
    SettingId chance;      // its share, a percent of the roll
    bool takesClosePoint;  // its place may be near the point of death
};
#define SPAWN_MODE_ROW(mode, name, chance, takesClosePoint) {name, SettingId::chance, takesClosePoint},
inline constexpr SpawnModeRow spawnModes[] = {SPAWN_MODES(SPAWN_MODE_ROW)};
#undef SPAWN_MODE_ROW
#undef SPAWN_MODES
constexpr int spawnModeCount = static_cast<int>(sizeof spawnModes / sizeof spawnModes[0]);

// The mode roll is a random integer from 1 up to but not including 100.
constexpr int32_t spawnRollFirst = 1;
constexpr int32_t spawnRollEnd = 100;
constexpr int spawnRollCount = spawnRollEnd - spawnRollFirst;

// The six chances in the order of SpawnMode.
struct SpawnChances {
    int32_t of[spawnModeCount];
};
SpawnChances spawnChancesOf(const RespawnSettings& record);

struct RolledMode {
    SpawnMode mode;
    bool fellBack;  // the chances added up to less than the roll
};
// The mode a roll picks: the first whose cumulative chance (32-bit sums that
// wrap, compared signed) reaches the roll; past them all, the fall-back: the
// first of the first five modes whose chance is not 0, else the list.
RolledMode spawnModeForRoll(const SpawnChances& chances, int32_t roll);

// How the rolls fall: rolls[m] for each mode reached by its chance,
// fallBackRolls for the rest, which go to fallBackMode (with the focus
// sound); closeRolls of the 100 rolls of the close-point percentChance prefer
// a near place.
struct SpawnOdds {
    SpawnChances chances;  // as read
    int rolls[spawnModeCount];
    int fallBackRolls;
    int fallBackMode;
    int32_t closeChance;  // "on_close_point_player_spawn_chance" as read
    int closeRolls;
};
SpawnOdds spawnOddsOf(const SpawnChances& chances, int32_t closeChance);
