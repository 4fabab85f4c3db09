// PLACEHOLDER: to be replaced by the real implementation.
#include "vehicles/vehicle_spawn.h"

void spawnInAir(bool closePoint) {}
void spawnInVehicleOnRoad(bool closePoint) {}
Vector3 airSpawnPoint(bool closePoint) { return {}; }
Vector3 roadSearchPoint(bool closePoint) { return {}; }
uint32_t createVehicleAt(uint32_t model, const Vector3& position, float heading) { return {}; }
void correctAltitude(uint32_t vehicle, int32_t minHeight, int32_t maxHeight) {}
void customiseVehicle(uint32_t vehicle) {}
void randomiseModSlot(uint32_t vehicle, int32_t slot) {}
bool isSlotExempt(uint32_t vehicle) { return {}; }
void seatPedInVehicle(uint32_t ped, uint32_t vehicle) {}
void playFailSound() {}
bool percentChance(int32_t percent) { return {}; }
bool isEntityAlive(uint32_t entity) { return {}; }
uint32_t modelOfEntity(uint32_t entity) { return {}; }
