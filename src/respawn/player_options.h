#pragma once
// The weapons, armour and money options applied after a respawn.
#include <cstdint>

void applyWeaponsOption(bool wearsOtherSkin);
void applyArmourOption(bool wearsOtherSkin);
// The weapons and armour options as far as
// "weapons_and_armor_settings_affecting_respawn_on_demand" lets them apply to
// a respawn on demand, a loading screen's follow-up and a stored skin put on.
void applyOnDemandOptions();
void giveAllWeapons(uint32_t ped);
void giveAllWeaponComponents(uint32_t ped, uint32_t weapon);
void zeroCharacterMoney();
