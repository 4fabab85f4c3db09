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

// Assumption: the lake is an ellipse of water in the north-east, clear of the
// places the game's players stand on; its shore rises over lakeShoreWidth.
constexpr float lakeCentreX = 2000.0f, lakeCentreY = 4250.0f;
constexpr float lakeRadiusX = 400.0f, lakeRadiusY = 200.0f;
constexpr float lakeShoreWidth = 0.35f;  // in units of the ellipse's radius
constexpr float lakeDepth = 25.0f;

// Distance of a point inside the land from its coast (negative out at sea).
float distanceInland(float x, float y) {
    float toEdge = std::min(std::min(x - landMinX, landMaxX - x), std::min(y - landMinY, landMaxY - y));
    // Bays and capes: the coast runs up to 60 units in from the rectangle.
    float wave = 30.0f + 30.0f * std::sin(x * 0.0021f + 1.3f) * std::cos(y * 0.0017f);
    return toEdge - wave;
}

// The lake's ellipse measure: below 1 inside the water, 1 on its shore line.
float lakeMeasure(float x, float y) {
    float dx = (x - lakeCentreX) / lakeRadiusX, dy = (y - lakeCentreY) / lakeRadiusY;
    return std::sqrt(dx * dx + dy * dy);
}

float gaussian(float x, float y, float centreX, float centreY, float width) {
    float dx = (x - centreX) / width, dy = (y - centreY) / width;
    return std::exp(-(dx * dx + dy * dy));
}

// Hills over the whole island, a mountain in the north and a lower range in
// the west, before the shore ramps.
float inlandHeight(float x, float y) {
    float hills = 60.0f + 50.0f * std::sin(x * 0.0013f + 0.4f) * std::sin(y * 0.0009f + 1.1f);
    float ripples = 8.0f * std::sin(x * 0.011f) * std::cos(y * 0.013f);
    float mountain = 760.0f * gaussian(x, y, 500.0f, 5300.0f, 1400.0f);
    float westernRange = 380.0f * gaussian(x, y, -2300.0f, 2900.0f, 700.0f);
    return hills + ripples + mountain + westernRange;
}

}  // namespace

float terrainHeight(float x, float y) {
    float inland = distanceInland(x, y);
    if (inland < 0.0f) return -10.0f + inland * 0.1f;  // the sea bed, deeper farther out
    float land = inlandHeight(x, y) * std::min(1.0f, inland / shoreWidth);
    float lake = lakeMeasure(x, y);
    if (lake < 1.0f) return lakeLevel - lakeDepth * (1.0f - lake);
    // From the lake's surface the shore rises to the land around it.
    if (lake < 1.0f + lakeShoreWidth) {
        float rise = (lake - 1.0f) / lakeShoreWidth;
        return lakeLevel + (std::max(land, lakeLevel) - lakeLevel) * rise;
    }
    return land;
}

bool isDryLand(float x, float y) { return distanceInland(x, y) >= 0.0f && lakeMeasure(x, y) >= 1.0f; }

float surfaceHeight(float x, float y) {
    float ground = terrainHeight(x, y);
    if (isDryLand(x, y)) return ground;
    float water = distanceInland(x, y) < 0.0f ? seaLevel : lakeLevel;
    return std::max(ground, water);
}

}  // namespace sim
