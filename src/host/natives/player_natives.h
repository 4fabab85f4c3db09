#pragma once
// The local player: id, ped, arrest state, model and wanted level.
#include <cstdint>

#include "host/game_types.h"

game::Player playerId();                                  // 0x4F8644AF03D0E0D6 PLAYER_ID
game::Ped playerPedId();                                  // 0xD80958FC74E988A6 PLAYER_PED_ID
bool isPlayerBeingArrested(game::Player player);          // 0x388A47C51ABDAC8E IS_PLAYER_BEING_ARRESTED (player, 1)
void setPlayerModel(game::Player player, game::Hash model);  // 0x00A1CADD00108836 SET_PLAYER_MODEL
// The player's stars, 0 for none.
int32_t getPlayerWantedLevel(game::Player player);        // 0xE28E54788CE8F12D GET_PLAYER_WANTED_LEVEL
void clearPlayerWantedLevel(game::Player player);         // 0xB302540597885499 CLEAR_PLAYER_WANTED_LEVEL
