#pragma once
// The simulated map's ground: one island of dry land with hills and a mountain
// in the north, surrounded by sea. Deterministic, so every test sees the same
// heights.
//
// Land covers roughly x -3500..3900 and y -3600..6900, with a wavy coast.
// Ground rises from 0 at the coast to about 700 on the highest summit. Outside
// the coast lies sea: the water surface is at height 0 and the sea bed below
// it, sinking with the distance from the coast.

namespace sim {

constexpr float seaLevel = 0.0f;

// Height of the ground surface: the land, or the sea bed under the water.
float terrainHeight(float x, float y);
// Ground above the water: land at or above the sea level.
bool isDryLand(float x, float y);

}  // namespace sim
