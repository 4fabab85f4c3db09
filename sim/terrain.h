#pragma once
// The simulated map's ground: one island of dry land with hills, a mountain in
// the north and a range in the west, a lake, and the sea around it all.
// Deterministic, so every test sees the same heights.
//
// Land covers roughly x -3500..3900 and y -3600..6900, with a wavy coast.
// Ground rises from 0 at the coast to about 800 on the highest summit. Outside
// the coast lies sea: the water surface is at height 0 and the sea bed below
// it, sinking with the distance from the coast. The lake in the north-east has
// its surface at lakeLevel and its bed below it.

namespace sim {

constexpr float seaLevel = 0.0f;
constexpr float lakeLevel = 30.0f;

// Height of the ground surface: the land, or the bed under the water.
float terrainHeight(float x, float y);
// Ground above the water: land outside the sea and the lake.
bool isDryLand(float x, float y);
// What a body comes to rest on: the ground, or the water's surface over a bed.
float surfaceHeight(float x, float y);

}  // namespace sim
