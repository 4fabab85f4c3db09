#pragma once
// The local player as the plug-in last saw him. Captured at start, refreshed by
// the death handler and the skin code after every model change, and read by
// every subsystem that moves or re-skins him.
#include <cstdint>

extern uint32_t playerId;
extern uint32_t playerPed;
// The skin as last seen alive.
extern uint32_t lastPlayerModel;
extern uint32_t lastMainCharacterModel;
// The player's model at the last once-a-second check.
extern uint32_t modelAtLastCheck;

// The model of the local player's ped as the game reports it now.
uint32_t currentPlayerModel();
