#include "sim/terrain.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {

// The land's rectangle, before the coast's waves are cut out of it.
constexpr float landMinX = -3500.0f, landMaxX = 3900.0f;
constexpr float landMinY = -3600.0f, landMaxY = 6900.0f;
// Over this distance from the coast the ground rises from the sea to its full height.
constexpr float shoreWidth = 250.0f;

// Distance of a point inside the land from its coast (negative out at sea).
float distanceInland(float x, float y) {
    float toEdge = std::min(std::min(x - landMinX, landMaxX - x), std::min(y - landMinY, landMaxY - y));
    // Bays and capes: the coast runs up to 60 units in from the rectangle.
    float wave = 30.0f + 30.0f * std::sin(x * 0.0021f + 1.3f) * std::cos(y * 0.0017f);
    return toEdge - wave;
}

// Hills over the whole island and a mountain in the north, before the shore ramp.
float inlandHeight(float x, float y) {
    float hills = 60.0f + 50.0f * std::sin(x * 0.0013f + 0.4f) * std::sin(y * 0.0009f + 1.1f);
    float ripples = 8.0f * std::sin(x * 0.011f) * std::cos(y * 0.013f);
    float dx = (x - 500.0f) / 1400.0f, dy = (y - 5300.0f) / 1400.0f;
    float mountain = 650.0f * std::exp(-(dx * dx + dy * dy));
    return hills + ripples + mountain;
}

}  // namespace

float terrainHeight(float x, float y) {
    float inland = distanceInland(x, y);
    if (inland < 0.0f) return -10.0f + inland * 0.1f;  // the sea bed, deeper farther out
    return inlandHeight(x, y) * std::min(1.0f, inland / shoreWidth);
}

bool isDryLand(float x, float y) { return distanceInland(x, y) >= 0.0f; }

}  // namespace sim
