#include "shared/spawn_geometry.h"

#include <cmath>

#include "host/natives/gameplay_natives.h"

bool insideCloseMapBounds(float x, float y) {
    return x > closePointBounds.minX && x < closePointBounds.maxX && y > closePointBounds.minY &&
           y < closePointBounds.maxY;
}

int32_t randomAxisOffset(int32_t distance) {
    float roll = getRandomFloatInRange(1.0f, 11.0f);
    // In double so that the lowest 32-bit distance negates without overflow.
    double signedDistance = 5.0f >= roll ? static_cast<double>(distance) : -static_cast<double>(distance);
    return static_cast<int32_t>(signedDistance / std::sqrt(2.0));
}
