#pragma once
// Weapons and weapon components of a ped.
#include <cstdint>

void removeAllPedWeapons(uint32_t ped);                    // 0xF25DF915FA38C5F3 (ped, 1)
void giveWeaponToPed(uint32_t ped, uint32_t weapon, int32_t ammunition);  // 0xB282DC6EBD803C75 (.., 0: not in hand)
bool isWeaponValid(uint32_t weapon);                       // 0x937C71165CF334B3
bool doesWeaponTakeComponent(uint32_t weapon, uint32_t component);  // 0x5CEE3DF569CECAB0
bool hasPedGotWeaponComponent(uint32_t ped, uint32_t weapon, uint32_t component);  // 0xC593212475FAE340
void giveWeaponComponentToPed(uint32_t ped, uint32_t weapon, uint32_t component);  // 0xD966D51AA5B28BB9
