#pragma once
// The player's skin: change, restore after death, tracking, the stored skin
// and random skins.
#include <cstdint>

// How long a skin model may take to load before the change goes ahead anyway.
constexpr uint32_t skinModelLoadLimitMs = 3000;

bool isStoryCharacter(uint32_t model);
void changePlayerSkin(uint32_t model);
// Loads the model (bounded as for any skin change) and keeps it loaded, so
// that the change that follows takes no frame: the caller chooses the frame.
void preloadSkinModel(uint32_t model);
bool restoreSkinAfterDeath(uint32_t model);
uint32_t pickRandomSkin();
// True while the player is dead or under arrest, noted for the next check:
// waits that span many frames call it each frame.
bool notePlayerHeld();
void trackPlayerModel();
// After a death or arrest episode: a skin other than the one worn before it
// was forced on the player (a mission death resets him to a story character
// with no restore), not chosen by him, and is not stored.
void keepStoredSkinAfterEpisode();
bool isStoredSkinActive();
bool skinChangedSinceLastCheck();
void takeSkinAsSeenAtCheck();
// Puts the stored skin on when "player_ped_skin_upon_respawn" is 3 and the
// player wears another; true when it did.
bool enforceStoredSkin();
