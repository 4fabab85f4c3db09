#pragma once
// The simulated road network: straight two-way roads over the dry land, one
// running north-south every 400 units of x and one running east-west every
// 400 units of y, with a vehicle node every 100 units along each. A node lies
// on the ground and faces along its road; the direction alternates from one
// road to the next. Nodes at sea or in a roadless area of the world do not exist.
#include "sim/world.h"

namespace sim {

struct RoadNode {
    Vec3 position;
    float heading = 0;  // degrees, 0 = north (+y), 90 = west (-x)
};

constexpr float roadSpacing = 400.0f;
constexpr float roadNodeSpacing = 100.0f;
// Assumption: the closest-node query finds nodes up to this (3-D) distance
// from the probe and nothing beyond it.
constexpr float roadNodeSearchRadius = 1000.0f;

// The node nearest to the probe within the search radius; false when there is none.
bool closestRoadNode(const World& world, Vec3 probe, RoadNode* node);

}  // namespace sim
