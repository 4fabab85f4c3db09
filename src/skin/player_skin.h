#pragma once
// The player's skin: change, restore after death, tracking, the stored skin
// and random skins.
#include <cstdint>

// How long a skin model may take to load before the change goes ahead anyway.
constexpr uint32_t skinModelLoadLimitMs = 3000;

bool isStoryCharacter(uint32_t model);
void changePlayerSkin(uint32_t model);
bool restoreSkinAfterDeath(uint32_t model);
uint32_t pickRandomSkin();
void trackPlayerModel();
bool isStoredSkinActive();
bool skinChangedSinceLastCheck();
void enforceStoredSkin();
