#include "shared/player_state.h"

#include "host/natives/entity_natives.h"
#include "host/natives/player_natives.h"

PlayerState playerState;

uint32_t currentPlayerModel() { return getEntityModel(playerPedId()); }
