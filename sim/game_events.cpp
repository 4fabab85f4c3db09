// PLACEHOLDER: to be replaced by the real implementation.
#include "sim/game_events.h"

namespace sim {
void killPlayer(World&) {}
void arrestPlayer(World&) {}
void showLoadingScreen(World&, uint32_t) {}
}  // namespace sim
