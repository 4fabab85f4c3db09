#pragma once
// The game's own behaviour from frame to frame, one rule per thing it models.
#include <functional>
#include <vector>

namespace sim {

class World;
using FrameRule = std::function<void(World&)>;

std::vector<FrameRule> defaultFrameRules();

void ruleModelStreaming(World& world);   // requested models finish loading
void ruleScreenFades(World& world);      // fades run their course
void ruleDeathAndArrest(World& world);   // the game's wasted and busted sequences
void ruleAutoDrive(World& world);        // a ped with a drive-around task moves its vehicle
void ruleCollisionStreaming(World& world);  // collision streams in around the player
void ruleVehicleCleanUp(World& world);   // vehicles handed back are deleted out of sight

}  // namespace sim
