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
// After a death or arrest episode: a skin other than the one worn before it
// was forced on the player (a mission death resets him to a story character
// with no restore), not chosen by him, and is not stored.
void keepStoredSkinAfterEpisode(uint32_t skinWorn);
bool isStoredSkinActive();
bool skinChangedSinceLastCheck();
void enforceStoredSkin();
