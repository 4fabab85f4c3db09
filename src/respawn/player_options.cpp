// PLACEHOLDER: to be replaced by the real implementation.
#include "respawn/player_options.h"

void applyWeaponsOption(bool wearsOtherSkin) {}
void applyArmourOption(bool wearsOtherSkin) {}
void giveAllWeapons(uint32_t ped) {}
void giveAllWeaponComponents(uint32_t ped, uint32_t weapon) {}
void zeroCharacterMoney() {}
