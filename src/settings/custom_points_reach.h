#pragma once
// Whether the spawn roll can ever pick a custom point, and if not, why and
// what to change, in the player's words. The save chord's notice and the
// settings checker say the same.
#include <cstddef>
#include <cstdint>

#include "settings/spawn_roll.h"

// False when some roll picks the custom mode. Otherwise true, with `advice`
// holding the cause and the fix, such as "custom_spawn_chance is 0. Set it to
// 10 and lower another chance by 10." (short enough for a notification).
bool customPointsNeverPicked(const SpawnChances& chances, char* advice, size_t size);
