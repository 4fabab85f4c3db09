#pragma once
// Things that happen in the simulated game, for tests and scenarios to set off.
#include <cstdint>

#include "sim/world.h"

namespace sim {

void killPlayer(World& world);
void arrestPlayer(World& world);
void showLoadingScreen(World& world, uint32_t milliseconds);

}  // namespace sim
