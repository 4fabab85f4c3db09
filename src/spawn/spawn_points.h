#pragma once
// The built-in list of standable spawn points, in its fixed order.
#include "spawn/ground_spawn.h"

constexpr int builtInSpawnPointCount = 759;
extern const SpawnPoint builtInSpawnPoints[builtInSpawnPointCount];
