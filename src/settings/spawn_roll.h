#pragma once
// The spawn roll, once for every user: which spawn mode a roll picks from the
// six chance settings (with the fall-back when the chances add up to less than
// the roll). chooseSpawn rolls with it, the checker counts its odds with it
// (and those of the close-point roll, a percentChance), and the log and the
// checker name the modes from its one table.
#include <cstdint>

#include "settings/settings_record.h"
#include "settings/settings_keys.h"

// The modes in the order of the cumulative roll and of the fall-back.
enum class SpawnMode { OnPointFromList, InVehicleOnRoad, InAir, AtDeathPoint, RandomPointOnMap, CustomPoint };
constexpr int spawnModeCount = 6;

struct SpawnModeRow {
    const char* name;
    SettingId chance;      // its share, a percent of the roll
    bool takesClosePoint;  // its place may be near the point of death
};
inline constexpr SpawnModeRow spawnModes[spawnModeCount] = {
    {"point from the list", SettingId::on_point_from_list_player_spawn_chance, true},
    {"vehicle on a road", SettingId::in_vehicle_on_road_player_spawn_chance, true},
    {"aircraft in flight", SettingId::in_air_player_spawn_chance, true},
    {"death point", SettingId::at_death_point_spawn_chance, false},
    {"random point of the map", SettingId::random_point_on_map_spawn_chance, true},
    {"custom point", SettingId::custom_spawn_chance, false},
};

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
