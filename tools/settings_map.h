#pragma once
// A picture of where the player may come back: the built-in spawn points, the
// rectangles of the random map, road and air spawns, and the custom points, in
// the game's map coordinates, coloured by spawn mode, with the odds.
#include <string>

#include "tools/settings_check_list.h"

std::string settingsMapSvg(const SettingsCheck& check, const std::string& title);
