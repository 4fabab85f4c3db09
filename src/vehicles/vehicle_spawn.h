#pragma once
// Spawning the player in a land vehicle on a road or an aircraft in flight,
// and the small vehicle and ped operations other subsystems share.
#include <cstdint>

#include "host/native_call.h"
#include "settings/setting_limits.h"

// How long a vehicle model may take to load before the spawn gives up.
constexpr uint32_t vehicleModelLoadLimitMs = 5000;

void spawnInAir(bool closePoint);
void spawnInVehicleOnRoad(bool closePoint);
Vector3 airSpawnPoint(bool closePoint);
Vector3 roadSearchPoint(bool closePoint);
uint32_t createVehicleAt(uint32_t model, const Vector3& position, float heading);
// Keeps an aircraft where it was made, or places it in its height band over the ground.
void correctAltitude(uint32_t vehicle, HeightBand band);
void customiseVehicle(uint32_t vehicle);
void randomiseModSlot(uint32_t vehicle, int32_t slot);
bool isSlotExempt(uint32_t vehicle);
void seatPedInVehicle(uint32_t ped, uint32_t vehicle);
void playFailSound();
