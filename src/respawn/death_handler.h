#pragma once
// The death and arrest handler run once per frame by the main loop: detection,
// the wasted/busted screen phase, the wait for the game's own respawn and the
// take-over, then the watch steps.
#include <cstdint>

enum class DeathPhase { Watching, DeathScreen, AwaitGameRespawn, TakeOver };

void handleDeathAndArrest();
// A sequence of ours takes hold of the player at the next handleDeathAndArrest:
// a death or arrest episode, or the follow-up of a loading screen (a black
// screen, the rescue's cause, is one already for whatever looks).
bool sequenceOfOursDue();
void computeRespawnDeadline();
void resetToPlayerZero();
void cancelAutoDriveOnInput();
