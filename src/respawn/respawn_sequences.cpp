// PLACEHOLDER: to be replaced by the real implementation.
#include "respawn/respawn_sequences.h"

bool respawnAfterDeath() { return {}; }
bool respawnOnDemand(bool applyOnDemandOptions) { return {}; }
void moveToNewSpawn(bool afterDeath) {}
void playRespawnSounds() {}
void resetGameplayCameraAngles() {}
void dropRenderingCamera() {}
void startAutoDrive(uint32_t ped, uint32_t vehicle) {}
void releaseSpawnVehicle() {}
bool autoDriveActive{};
