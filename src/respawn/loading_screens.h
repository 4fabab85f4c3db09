#pragma once
// The loading-screen watch with its post-loading follow-up, and the rescue of
// a screen left faded out.
#include <cstdint>

void watchLoadingScreens();
void rescueBlackScreen();
// Starts the count of the rescue afresh: at start, and when a loading screen,
// a death or arrest episode or a respawn sequence ends, none of which is a
// black screen left behind.
void restartBlackScreenCount();
