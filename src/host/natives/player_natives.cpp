#include "host/natives/player_natives.h"

#include "host/native_call.h"

uint32_t localPlayerId() { return native::resultU32(native::invoke(0x4F8644AF03D0E0D6ull)); }

uint32_t localPlayerPed() { return native::resultU32(native::invoke(0xD80958FC74E988A6ull)); }

bool isPlayerBeingArrested(uint32_t player) {
    return native::resultBool(native::invoke(0x388A47C51ABDAC8Eull, player, 1));
}

void setPlayerModel(uint32_t player, uint32_t model) { native::invoke(0x00A1CADD00108836ull, player, model); }
