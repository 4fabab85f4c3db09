#pragma once
// The weighted choice of the spawn mode (settings/spawn_roll.h) and its strategy.
#include "settings/spawn_roll.h"

// Rolls a mode and runs its strategy; true when the player must be settled on the ground.
bool chooseSpawn();
void playFocusSound();
