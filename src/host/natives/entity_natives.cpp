#include "host/natives/entity_natives.h"

bool doesEntityExist(game::Entity entity) { return native::resultBool(native::invoke(0x7239B21A38F536BAull, entity)); }

bool isEntityDead(game::Entity entity) { return native::resultBool(native::invoke(0x5F9532F3B5CC2551ull, entity, false)); }

game::Hash getEntityModel(game::Entity entity) {
    return native::resultU32(native::invoke(0x9F47B058362C84B5ull, entity));
}

Vector3 getEntityCoords(game::Entity entity) {
    return native::resultVector(native::invoke(0x3FEF770D40960D5Aull, entity, 1));
}

void setEntityCoordsNoOffset(game::Entity entity, float x, float y, float z) {
    native::invoke(0x239A3351AC1DA385ull, entity, x, y, z, 0, 0, 1);
}

void setEntityHeading(game::Entity entity, float heading) { native::invoke(0x8E2530AA8ADA980Eull, entity, heading); }

float getEntityHeightAboveGround(game::Entity entity) {
    return native::resultFloat(native::invoke(0x1DD55701034110E5ull, entity));
}

void setEntityCollision(game::Entity entity) { native::invoke(0x1A9205C1B9EE827Full, entity, 1, 1); }
