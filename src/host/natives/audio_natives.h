#pragma once
// Front-end sounds.
#include <cstdint>

// Plays a front-end sound with sound id -1.
void playSoundFrontend(const char* sound, const char* soundSet, bool lastArgument);  // 0x67C540AA08E4A6F5 PLAY_SOUND_FRONTEND
