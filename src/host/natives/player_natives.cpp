#include "host/natives/player_natives.h"

#include "host/native_call.h"

game::Player playerId() { return native::resultU32(native::invoke(0x4F8644AF03D0E0D6ull)); }

game::Ped playerPedId() { return native::resultU32(native::invoke(0xD80958FC74E988A6ull)); }

bool isPlayerBeingArrested(game::Player player) {
    return native::resultBool(native::invoke(0x388A47C51ABDAC8Eull, player, 1));
}

void setPlayerModel(game::Player player, game::Hash model) { native::invoke(0x00A1CADD00108836ull, player, model); }

int32_t getPlayerWantedLevel(game::Player player) {
    return native::resultI32(native::invoke(0xE28E54788CE8F12Dull, player));
}

void clearPlayerWantedLevel(game::Player player) { native::invoke(0xB302540597885499ull, player); }
