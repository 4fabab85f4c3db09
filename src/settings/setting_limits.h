#pragma once
// The settings that set a wait, a delay, the game's speed or an aircraft's
// height, held to the ranges in which the plug-in uses them. The settings
// record keeps what the player wrote; the code that waits, scales or places
// asks these functions. A negative wait counts as none; a longer one than its
// range is held to the longest.
#include <cstdint>

// After every loading screen the screen stays black through this wait.
constexpr int32_t longestSkinChangeWaitMs = 60000;
// Another skin has to be reset while the wasted screen is up before the game
// can bring the player back; the longest wait of that screen is two minutes.
constexpr int32_t longestSkinResetDelayMs = 60000;
// The wasted or busted screen holds the whole main loop while it waits.
constexpr float longestDeathScreenWaitMs = 120000.0f;

// "wait_time_before_skin_change" in milliseconds, 0 to 60000.
uint32_t skinChangeWaitMs(int32_t setting);
// "time_before_reset_skin" in milliseconds, 0 to 60000.
uint32_t skinResetDelayMs(int32_t setting);
// "first_wait_time" or "max_wait_time_before_respawn_upon_skin_exception" in
// milliseconds, 0 to 120000.
float deathScreenWaitMs(float setting);
// Below this time scale the game stands still for a player: its wasted screen
// would never reach its fade-out before the deadline.
constexpr float slowestTimeScale = 0.05f;
// The game's time scale on the wasted and busted screens: the setting when it
// is a finite value above 0 and at most 1 (a slow motion), held to at least
// 0.05; normal speed, 1.0, for anything else (0 would stop the game, below 0
// it never comes back).
float wastedScreenTimeScale(float setting);

// An aircraft's height above the ground, in world units.
struct HeightBand {
    int32_t minimum;
    int32_t maximum;
};
constexpr HeightBand builtInHelicopterBand{200, 350};
constexpr HeightBand builtInAeroplaneBand{300, 450};
// An aeroplane starts at full speed: it needs room to the ground below it.
constexpr int32_t lowestAircraftHeight = 50;
// Far above the map's highest ground, yet where the game still flies.
constexpr int32_t highestAircraftHeight = 2000;

// The band an aircraft is placed in, from its two settings: a negative bound
// takes its built-in value, every bound is held to 50 to 2000, and a band
// whose minimum lies above its maximum is turned round.
HeightBand aircraftHeightBand(int32_t minimumSetting, int32_t maximumSetting, HeightBand builtIn);
