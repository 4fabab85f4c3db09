#pragma once
// The script entry, the endless per-frame loop and the player state it keeps.
#include <cstdint>

extern uint32_t lastSettingsCheckTime;
extern bool notifyOnSettingsChange;
extern uint32_t modelAtLastCheck;
extern uint32_t playerId;
extern uint32_t playerPed;
extern uint32_t lastPlayerModel;
extern uint32_t lastMainCharacterModel;

void scriptMain();
void runMainLoop();
void captureStartState();
uint32_t currentPlayerModel();
// The once-a-second settings and stored-skin check of the main loop.
void runSettingsCheck();
