#pragma once
// How far and which way a point lies from the player, for the list of points:
// "350 m NE", "1.2 km S" (north is the map's +y).
#include <cstddef>

void describeDistance(float fromX, float fromY, float toX, float toY, char* text, size_t size);
