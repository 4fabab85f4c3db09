#include "shared/player_state.h"

#include "host/natives/entity_natives.h"
#include "host/natives/player_natives.h"

uint32_t playerId = 0;
uint32_t playerPed = 0;
uint32_t lastPlayerModel = 0;
uint32_t lastMainCharacterModel = 0;
uint32_t modelAtLastCheck = 0;

uint32_t currentPlayerModel() { return entityModel(localPlayerPed()); }
