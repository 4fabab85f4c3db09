#include "sim/world_rules.h"

namespace sim {

std::vector<FrameRule> defaultFrameRules() {
    return {ruleModelStreaming, ruleScreenFades, ruleDeathAndArrest, ruleAutoDrive, ruleCollisionStreaming,
            ruleVehicleCleanUp};
}

}  // namespace sim
