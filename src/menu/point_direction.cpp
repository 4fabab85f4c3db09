#include "menu/point_direction.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* compass[8] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};

}  // namespace

void describeDistance(float fromX, float fromY, float toX, float toY, char* text, size_t size) {
    double dx = static_cast<double>(toX) - fromX;
    double dy = static_cast<double>(toY) - fromY;
    double distance = std::hypot(dx, dy);
    if (!std::isfinite(distance)) {
        std::snprintf(text, size, "far away");
        return;
    }
    if (distance < 1.0) {
        std::snprintf(text, size, "here");
        return;
    }
    // Clockwise from north, in eighths of a turn centred on each direction.
    double turns = std::atan2(dx, dy) / (2 * 3.14159265358979323846);
    int sector = static_cast<int>(std::floor(turns * 8 + 0.5)) & 7;
    if (distance < 1000.0)
        std::snprintf(text, size, "%.0f m %s", distance, compass[sector]);
    else
        std::snprintf(text, size, "%.1f km %s", distance / 1000.0, compass[sector]);
}
