// PLACEHOLDER: to be replaced by the real implementation.
#include "respawn/death_handler.h"

void handleDeathAndArrest() {}
void computeRespawnDeadline() {}
void resetToPlayerZero() {}
void cancelAutoDriveOnInput() {}
bool isExistingEntity(uint32_t entity) { return {}; }
uint32_t deathTime{};
bool wasBusted{};
uint32_t respawnDeadline{};
