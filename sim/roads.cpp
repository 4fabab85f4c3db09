#include "sim/roads.h"

#include <cmath>

#include "sim/terrain.h"

namespace sim {
namespace {

// Far beyond the map: no roads, and the grid indexes below stay small.
constexpr float mapLimit = 100000.0f;

struct NodeSearch {
    const World& world;
    Vec3 probe;
    float bestDistance;
    bool found;
    RoadNode best;

    // Takes the node when it exists and lies strictly nearer than the best so far
    // (or within the radius for the first one).
    void consider(float x, float y, float heading) {
        if (!isDryLand(x, y)) return;
        for (const MapArea& area : world.roadlessAreas)
            if (area.contains(x, y)) return;
        float z = terrainHeight(x, y);
        float distance =
            std::sqrt((x - probe.x) * (x - probe.x) + (y - probe.y) * (y - probe.y) + (z - probe.z) * (z - probe.z));
        if (found ? distance >= bestDistance : distance > bestDistance) return;
        found = true;
        bestDistance = distance;
        best.position = Vec3{x, y, z};
        best.heading = heading;
    }
};

// Indexes of the multiples of step within the search radius of value.
void indexRange(float value, float step, long* first, long* last) {
    *first = static_cast<long>(std::ceil((value - roadNodeSearchRadius) / step));
    *last = static_cast<long>(std::floor((value + roadNodeSearchRadius) / step));
}

}  // namespace

bool closestRoadNode(const World& world, Vec3 probe, RoadNode* node) {
    if (!(std::fabs(probe.x) < mapLimit && std::fabs(probe.y) < mapLimit && std::fabs(probe.z) < mapLimit))
        return false;
    NodeSearch search{world, probe, roadNodeSearchRadius, false, RoadNode{}};
    long firstRoad, lastRoad, firstNode, lastNode;
    // North-south roads at x = road * roadSpacing, nodes along y.
    indexRange(probe.x, roadSpacing, &firstRoad, &lastRoad);
    indexRange(probe.y, roadNodeSpacing, &firstNode, &lastNode);
    for (long road = firstRoad; road <= lastRoad; ++road)
        for (long n = firstNode; n <= lastNode; ++n)
            search.consider(road * roadSpacing, n * roadNodeSpacing, road % 2 == 0 ? 0.0f : 180.0f);
    // East-west roads at y = road * roadSpacing, nodes along x.
    indexRange(probe.y, roadSpacing, &firstRoad, &lastRoad);
    indexRange(probe.x, roadNodeSpacing, &firstNode, &lastNode);
    for (long road = firstRoad; road <= lastRoad; ++road)
        for (long n = firstNode; n <= lastNode; ++n)
            search.consider(n * roadNodeSpacing, road * roadSpacing, road % 2 == 0 ? 90.0f : 270.0f);
    if (search.found) *node = search.best;
    return search.found;
}

}  // namespace sim
