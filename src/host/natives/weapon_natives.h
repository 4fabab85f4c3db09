#pragma once
// Weapons and weapon components of a ped.
#include <cstdint>

#include "host/game_types.h"

void removeAllPedWeapons(game::Ped ped);                   // 0xF25DF915FA38C5F3 REMOVE_ALL_PED_WEAPONS (ped, 1)
void giveDelayedWeaponToPed(game::Ped ped, game::Hash weapon, int32_t ammunition);  // 0xB282DC6EBD803C75 GIVE_DELAYED_WEAPON_TO_PED (.., 0: not in hand)
bool isWeaponValid(game::Hash weapon);                     // 0x937C71165CF334B3 IS_WEAPON_VALID
bool doesWeaponTakeWeaponComponent(game::Hash weapon, game::Hash component);  // 0x5CEE3DF569CECAB0 DOES_WEAPON_TAKE_WEAPON_COMPONENT
bool hasPedGotWeaponComponent(game::Ped ped, game::Hash weapon, game::Hash component);  // 0xC593212475FAE340 HAS_PED_GOT_WEAPON_COMPONENT
void giveWeaponComponentToPed(game::Ped ped, game::Hash weapon, game::Hash component);  // 0xD966D51AA5B28BB9 GIVE_WEAPON_COMPONENT_TO_PED
