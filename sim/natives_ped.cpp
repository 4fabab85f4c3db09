// PLACEHOLDER: to be replaced by the real implementation.
#include "sim/native_table.h"
#include "sim/world_rules.h"

namespace sim {
void registerPedNatives(NativeTable&) {}
}  // namespace sim
