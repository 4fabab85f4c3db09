#pragma once
// The bounds the soak holds the plug-in to, in one place: first the code's own
// (the sum of the waits the plug-in documents in README.md and
// dist/Pelorin.ini, plus a margin for the game's own steps), then the player's
// (what he would call a fault). A run that crosses one is a violation.
#include <cstdint>

#include "respawn/loading_screens.h"
#include "settings/settings_keys.h"

namespace sim::soak {

// The once-a-second check runs again this soon while the main loop is free:
// its second, plus a frame or two.
constexpr double checkGapMs = 1100.0;
// A sequence of ours (a respawn after death or on demand, the loading-screen
// follow-up, the rescue) once it has its place: model loads of 3 s (skin) and
// 5 s (vehicle), the ground search of at most 1.9 s, the 1250 ms before the
// vehicle is handed back, and a few frames; with a margin.
constexpr uint32_t sequenceMs = 20000;
// The loading-screen follow-up holds the main loop for the end of
// "wait_time_before_skin_change" only, at most 3 s behind its black screen;
// the rest of the wait (held to 60000 ms) runs in view, the loop going on.
constexpr uint32_t followUpBlackWaitMs = 3000;
// The screen phase of a death or arrest ends at its deadline whatever the
// screen shows: 80 s for the slowest slow motion, or
// "max_wait_time_before_respawn_upon_skin_exception", held to its range
// (0..120000 ms), the longer.
constexpr uint32_t screenPhaseMs =
    static_cast<uint32_t>(settingKey(SettingId::max_wait_time_before_respawn_upon_skin_exception).high);
// The wait for the game to put the player back after the screen phase.
constexpr uint32_t gameRespawnWaitMs = 30000;
// A death or arrest episode, from detection to the main loop's next check:
// the screen phase, the wait for the game, the take-over's sequence, and in
// the same pass the loading-screen follow-up (its wait and sequence) and the
// rescue's sequence. Time in loading screens is not counted.
constexpr uint32_t episodeMs =
    screenPhaseMs + gameRespawnWaitMs + sequenceMs + (followUpBlackWaitMs + sequenceMs) + sequenceMs;
// The once-a-second check runs again within this time also when no episode
// runs: a respawn on demand, or the loading-screen follow-up and the rescue of
// one pass. Time in loading screens is not counted.
constexpr uint32_t mainLoopCheckMs = (followUpBlackWaitMs + sequenceMs) + sequenceMs + 1000;
// A story of the soak ends this long after its last event at the latest, once
// the longest episode and a black screen beyond its bound have been seen.
constexpr uint32_t storyTailMs = episodeMs + 5000;

// Bounds from the player's side: what a player would call a fault, whatever
// the code's own waits add up to.
//
// After a respawn of ours (the take-over after a death or arrest, the
// loading-screen follow-up) the screen is back within this time: a player
// accepts a cut to black while he is moved and re-skinned, not a long one.
constexpr uint32_t ourBlackScreenMs = 15000;
// A black screen from any cause outside loading screens ends within this time
// of its start: the rescue's bound and its own short sequence. Much longer and
// a player takes the game for hung.
constexpr uint32_t blackScreenMs = blackScreenRescueMs + 10000;
// The game runs below normal speed only while the wasted or busted screen is
// up: at most its longest documented wait ("max_wait_time_before_respawn_upon_
// skin_exception" held to 120000 ms). Its deadline is the tick count in single
// precision plus that wait, which at high tick counts rounds by up to 256 ms.
constexpr uint32_t slowMotionMs = screenPhaseMs + 300;
// Below this time scale the game stands still for a player: the slow motion
// is held to at least it (dist/Pelorin.ini).
constexpr float lowestTimeScale = 0.05f;
// A skin change in view of a living, free player is one he asked for (a chord,
// a save of the settings file): the first change after his request, if it
// comes before this many once-a-second checks have run since (the request is
// acted on before the check that follows it).
constexpr int askedChangeChecks = 2;

// Positions: how far below the ground or the water's surface a body may be
// (a float rounding of the placement), and how near a built-in list point a
// player counts as standing on it (the list's points are floors of the map
// that the simulated terrain does not model).
constexpr float groundToleranceUnits = 0.5f;
constexpr float listPointToleranceUnits = 1.0f;
// An aircraft placed by the plug-in is at least its band's minimum over the
// ground; when the band's keys are unusable (negative, reversed or beyond
// bandLimitUnits) it is at least clearUnits over the ground.
constexpr float bandLimitUnits = 2000.0f;
constexpr float clearUnits = 1.0f;
// A land vehicle stands on a road node: within this distance of one.
constexpr float roadNodeToleranceUnits = 0.5f;

// Memory: the resident size may grow by at most this much from the end of the
// warm-up (a tenth of the run) to the end of the run.
constexpr long memoryGrowthKilobytes = 16 * 1024;

}  // namespace sim::soak
