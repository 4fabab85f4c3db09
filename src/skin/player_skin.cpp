// PLACEHOLDER: to be replaced by the real implementation.
#include "skin/player_skin.h"

bool isStoryCharacter(uint32_t model) { return {}; }
void changePlayerSkin(uint32_t model) {}
bool restoreSkinAfterDeath(uint32_t model) { return {}; }
uint32_t pickRandomSkin() { return {}; }
void trackPlayerModel() {}
bool isStoredSkinActive() { return {}; }
bool skinChangedSinceLastCheck() { return {}; }
void enforceStoredSkin() {}
uint32_t lastModelTrackTime{};
bool missionActive{};
