#pragma once
// Questions about a game entity (ped or vehicle) that are safe to ask of any
// handle: 0, or one the game no longer knows, never reaches a native that
// needs a live entity. And the one way the plug-in moves an entity.
#include <cstdint>

#include "host/native_call.h"

// The handle is not 0 and the game knows it.
bool isExistingEntity(uint32_t entity);
// An existing entity that is not dead.
bool isEntityAlive(uint32_t entity);
// Where an existing entity is; (0, 0, 0) for one that does not exist.
Vector3 entityPosition(uint32_t entity);
void placeEntity(uint32_t entity, float x, float y, float z);
