#pragma once
// The water's surface: the sea, lakes and rivers.
#include <cstdint>

// True when the point lies over water; height receives the height of its
// surface there, without waves.
bool getWaterHeightNoWaves(float x, float y, float z, float* height);  // 0x8EE6B53CE13A9794 GET_WATER_HEIGHT_NO_WAVES
