#pragma once
// Any entity (ped or vehicle): existence, life, model, position and heading.
#include <cstdint>

#include "host/native_call.h"

bool entityExists(uint32_t entity);                        // 0x7239B21A38F536BA
bool isEntityDead(uint32_t entity);                        // 0x5F9532F3B5CC2551 (entity, false)
uint32_t entityModel(uint32_t entity);                     // 0x9F47B058362C84B5
Vector3 entityCoords(uint32_t entity);                     // 0x3FEF770D40960D5A (entity, 1)
void setEntityCoordsNoOffset(uint32_t entity, float x, float y, float z);  // 0x239A3351AC1DA385
void setEntityHeading(uint32_t entity, float heading);     // 0x8E2530AA8ADA980E
float entityHeightAboveGround(uint32_t entity);            // 0x1DD55701034110E5
void enableEntityCollision(uint32_t entity);               // 0x1A9205C1B9EE827F (entity, 1, 1)
