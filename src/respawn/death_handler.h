#pragma once
// The death and arrest handler run once per frame by the main loop: detection,
// the wasted/busted screen phase, the wait for the game's own respawn and the
// take-over, then the watch steps.
#include <cstdint>

enum class DeathPhase { Watching, DeathScreen, AwaitGameRespawn, TakeOver };

void handleDeathAndArrest();
void computeRespawnDeadline();
void resetToPlayerZero();
void cancelAutoDriveOnInput();
