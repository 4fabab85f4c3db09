#pragma once
// The weapons, armour and money options applied after a respawn.
#include <cstdint>

void applyWeaponsOption(bool wearsOtherSkin);
void applyArmourOption(bool wearsOtherSkin);
void giveAllWeapons(uint32_t ped);
void giveAllWeaponComponents(uint32_t ped, uint32_t weapon);
void zeroCharacterMoney();
