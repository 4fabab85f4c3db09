#pragma once
// The weighted choice of the spawn mode and its strategy.

enum class SpawnMode { OnPointFromList, InVehicleOnRoad, InAir, AtDeathPoint, RandomPointOnMap, CustomPoint };

// Rolls a mode and runs its strategy; true when the player must be settled on the ground.
bool chooseSpawn();
void playFocusSound();
