#pragma once
// The keys the settings pages show, until the settings key table is there.
#include "menu/setting_line.h"

namespace menu_keys {
extern const MenuSettingKey randomPlayerRespawns, listChance, roadChance, airChance, deathPointChance, mapChance,
    customChance, closeChance, spawnDistance, duringMissions, afterLoadingScreens, landVehicle, aircraft, heliLowest,
    heliHighest, planeLowest, planeHighest, weapons, armour, money, optionsOnDemand, skinPersists, skinAfterRespawn,
    clothing, firstWait, longestWait, skinResetDelay, skinChangeWait, slowMotion;
}
