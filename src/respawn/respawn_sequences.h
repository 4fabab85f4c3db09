#pragma once
// The two sequences that move the player to a new spawn: after a death or
// arrest (behind a black screen) and on demand (in full view).
#include <cstdint>

bool respawnAfterDeath();
// By the chord (a key or controller chord of the player's), the chord's skin
// and the on-demand options apply; after a loading or black screen, neither.
bool respawnOnDemand(bool byTheChord);
void moveToNewSpawn(bool afterDeath);
void playRespawnSounds();
void dropRenderingCamera();
void startAutoDrive(uint32_t ped, uint32_t vehicle);
void releaseSpawnVehicle();
