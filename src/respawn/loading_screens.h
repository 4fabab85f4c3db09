#pragma once
// The loading-screen watch with its post-loading follow-up, and the rescue of
// a screen left faded out.
#include <cstdint>

extern bool loadingScreenSeen;
extern uint32_t loadingScreenEndTime;
extern uint32_t lastNotFadedOutTime;
// A follow-up that waits in view until its time.
extern bool followUpPending;
extern uint32_t followUpDueTime;
// A loading screen holds the rescue's count, since the given moment.
extern bool blackScreenCountHeld;
extern uint32_t blackScreenCountHeldSince;

void watchLoadingScreens();
void rescueBlackScreen();
// The rescue's count on every frame of a death or arrest episode: a screen
// black for 80 s is faded in there too, so that a black screen from any cause
// ends within the rescue's time of its start (loading screens not counted).
void rescueBlackScreenDuringEpisode();
// Starts the count of the rescue afresh: at start, and when a sequence of ours
// that cut to black fades in again (a take-over, the loading-screen follow-up,
// a rescue); a black screen we did not touch counts on.
void restartBlackScreenCount();
