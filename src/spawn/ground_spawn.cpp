// PLACEHOLDER: to be replaced by the real implementation.
#include "spawn/ground_spawn.h"

int32_t randomAxisOffset(int32_t distance) { return {}; }
SpawnPoint nearestListPoint(const Vector3& origin) { return {}; }
void spawnAtListPoint(bool closePoint) {}
Vector3 randomMapPoint(bool closePoint) { return {}; }
void spawnAtRandomMapPoint(bool closePoint) {}
void spawnAtDeathPoint() {}
Vector3 entityPosition(uint32_t entity) { return {}; }
void placeEntity(uint32_t entity, float x, float y, float z) {}
void faceRandomHeading() {}
void settleOnGround() {}
bool insideCloseMapBounds(float x, float y) { return {}; }
Vector3 lastPlayerPosition{};
