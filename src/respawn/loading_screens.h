#pragma once
// The loading-screen watch with its post-loading follow-up, and the rescue of
// a screen left faded out.
#include <cstdint>

// A screen left black this long, outside loading screens, is faded in.
constexpr uint32_t blackScreenRescueMs = 80000;

void watchLoadingScreens();
// The follow-up of a loading screen runs at the watch's next step: its time has
// come, the player is free and nothing drops it.
bool postLoadingFollowUpDue();
void rescueBlackScreen();
// The rescue's count on every frame of a death or arrest episode: a screen
// black for blackScreenRescueMs is faded in there too, so that a black screen from any cause
// ends within the rescue's time of its start (loading screens not counted).
void rescueBlackScreenDuringEpisode();
// Starts the count of the rescue afresh: at start, and when a sequence of ours
// that cut to black fades in again (a take-over, the loading-screen follow-up,
// a rescue); a black screen we did not touch counts on.
void restartBlackScreenCount();
