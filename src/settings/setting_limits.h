#pragma once
// The settings that set a wait, a delay, the game's speed, an aircraft's
// height or the number of custom points, held to the ranges of the key table
// (settings_keys.def) in which the plug-in uses them, as its column "outside"
// says. The settings record keeps what the player wrote; the code that waits,
// scales, places or reads points asks these functions, and the checker tells
// the player what they make of his values. A negative wait counts as none; a
// longer one than its range is held to the longest.
#include <cstdint>

#include "settings/settings_keys.h"

constexpr int32_t lowestOf(SettingId id) { return static_cast<int32_t>(settingKey(id).low); }
constexpr int32_t highestOf(SettingId id) { return static_cast<int32_t>(settingKey(id).high); }

// The most custom points one custom spawn reads, and the save chord saves,
// whatever the file claims.
constexpr int32_t customSpawnPointCap = highestOf(SettingId::number_of_custom_spawn_points_in_use);

// The value the plug-in uses for a setting as read, by the key's column
// "outside": held to the range (Held), the built-in value for a negative one
// and held otherwise (BuiltInBelowZero), the time scale (Replaced, the slow
// motion alone), or the setting itself (UsedAsRead).
double settingInUse(SettingId id, double setting);

// "wait_time_before_skin_change" in milliseconds, held to its range: after
// every loading screen the screen stays black through this wait.
uint32_t skinChangeWaitMs(int32_t setting);
// "time_before_reset_skin" in milliseconds, held to its range: another skin
// has to be reset while the wasted screen is up.
uint32_t skinResetDelayMs(int32_t setting);
// "first_wait_time" or "max_wait_time_before_respawn_upon_skin_exception" in
// milliseconds, held to their range: the wasted or busted screen holds the
// whole main loop while it waits.
float deathScreenWaitMs(float setting);
// Below this time scale the game stands still for a player: its wasted screen
// would never reach its fade-out before the deadline.
constexpr float slowestTimeScale = 0.05f;
// The game's time scale on the wasted and busted screens: the setting when it
// is a finite value above the low end of its range and at most the high end
// (a slow motion), held to at least 0.05; normal speed, 1.0, for anything else
// (0 would stop the game, below 0 it never comes back).
float wastedScreenTimeScale(float setting);

// An aircraft's height above the ground, in world units.
struct HeightBand {
    int32_t minimum;
    int32_t maximum;
};
// The keys of an aircraft's lowest and highest height. Each bound is held to
// their range: an aeroplane starts at full speed and needs room to the ground
// below it; the top lies far above the map's highest ground, yet where the
// game still flies.
struct HeightKeys {
    SettingId minimum;
    SettingId maximum;
    const char* aircraft;  // "helicopters", "aeroplanes"
};
inline constexpr HeightKeys helicopterHeights{SettingId::min_heli_spawn_height_over_ground,
                                              SettingId::max_heli_spawn_height_over_ground, "helicopters"};
inline constexpr HeightKeys aeroplaneHeights{SettingId::min_plane_spawn_height_over_ground,
                                             SettingId::max_plane_spawn_height_over_ground, "aeroplanes"};

// The band an aircraft is placed in, from its two settings: each bound as the
// plug-in uses it (settingInUse: a negative one takes its built-in value, every
// one is held to the range), and a band whose minimum lies above its maximum
// turned round.
HeightBand aircraftHeightBand(const HeightKeys& keys, int32_t minimumSetting, int32_t maximumSetting);
