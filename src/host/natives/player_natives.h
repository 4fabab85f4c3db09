#pragma once
// The local player: id, ped, arrest state and model.
#include <cstdint>

uint32_t localPlayerId();                                 // 0x4F8644AF03D0E0D6
uint32_t localPlayerPed();                                // 0xD80958FC74E988A6
bool isPlayerBeingArrested(uint32_t player);              // 0x388A47C51ABDAC8E (player, 1)
void setPlayerModel(uint32_t player, uint32_t model);     // 0x00A1CADD00108836
