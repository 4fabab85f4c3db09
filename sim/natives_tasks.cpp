// PLACEHOLDER: to be replaced by the real implementation.
#include "sim/native_table.h"
#include "sim/world_rules.h"

namespace sim {
void registerTaskNatives(NativeTable&) {}
}  // namespace sim
namespace sim {
void ruleDeathAndArrest(World&) {}
void ruleAutoDrive(World&) {}
}  // namespace sim
