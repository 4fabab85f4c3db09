#pragma once
// The two sequences that move the player to a new spawn: after a death or
// arrest (behind a black screen) and on demand (in full view).
#include <cstdint>

#include "host/native_call.h"
#include "spawn/custom_spawn.h"

bool respawnAfterDeath();
// By the chord (a key or controller chord of the player's), the chord's skin
// and the on-demand options apply; after a loading or black screen, neither.
bool respawnOnDemand(bool byTheChord);
// A respawn on demand to the given point rather than a rolled one, without
// the on-demand options (to try the point); refused, as a custom spawn
// refuses it, for a point off the map.
bool respawnAtCustomPoint(const CustomSpawnPoint& point);
void moveToNewSpawn(bool afterDeath);
// After the player was placed: the log, the camera, settling on the ground,
// the spawn vehicle driving on and handed back.
void finishSpawnMove(const Vector3& before, bool settle, bool afterDeath);
void playRespawnSounds();
void dropRenderingCamera();
void startAutoDrive(uint32_t ped, uint32_t vehicle);
void releaseSpawnVehicle();
