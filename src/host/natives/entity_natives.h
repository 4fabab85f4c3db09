#pragma once
// Any entity (ped or vehicle): existence, life, model, position and heading.
#include <cstdint>

#include "host/game_types.h"
#include "host/native_call.h"

bool doesEntityExist(game::Entity entity);                 // 0x7239B21A38F536BA DOES_ENTITY_EXIST
bool isEntityDead(game::Entity entity);                    // 0x5F9532F3B5CC2551 IS_ENTITY_DEAD (entity, false)
game::Hash getEntityModel(game::Entity entity);            // 0x9F47B058362C84B5 GET_ENTITY_MODEL
Vector3 getEntityCoords(game::Entity entity);              // 0x3FEF770D40960D5A GET_ENTITY_COORDS (entity, 1)
void setEntityCoordsNoOffset(game::Entity entity, float x, float y, float z);  // 0x239A3351AC1DA385 SET_ENTITY_COORDS_NO_OFFSET
void setEntityHeading(game::Entity entity, float heading);  // 0x8E2530AA8ADA980E SET_ENTITY_HEADING
float getEntityHeightAboveGround(game::Entity entity);     // 0x1DD55701034110E5 GET_ENTITY_HEIGHT_ABOVE_GROUND
void setEntityCollision(game::Entity entity);              // 0x1A9205C1B9EE827F SET_ENTITY_COLLISION (entity, 1, 1)
