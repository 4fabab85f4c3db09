#include "shared/entities.h"

#include "host/natives/entity_natives.h"

bool isExistingEntity(uint32_t entity) { return entity != 0 && doesEntityExist(entity); }

bool isEntityAlive(uint32_t entity) { return isExistingEntity(entity) && !isEntityDead(entity); }

Vector3 entityPosition(uint32_t entity) {
    if (isExistingEntity(entity)) return getEntityCoords(entity);
    return Vector3{};
}

void placeEntity(uint32_t entity, float x, float y, float z) { setEntityCoordsNoOffset(entity, x, y, z); }
