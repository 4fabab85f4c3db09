#include "settings/setting_limits.h"

#include <algorithm>
#include <cmath>

namespace {

int32_t heldTo(int32_t value, int32_t lowest, int32_t highest) { return std::min(std::max(value, lowest), highest); }

}  // namespace

uint32_t skinChangeWaitMs(int32_t setting) {
    return static_cast<uint32_t>(heldTo(setting, 0, longestSkinChangeWaitMs));
}

uint32_t skinResetDelayMs(int32_t setting) {
    return static_cast<uint32_t>(heldTo(setting, 0, longestSkinResetDelayMs));
}

float deathScreenWaitMs(float setting) {
    // Written so that a value that is not a number counts as no wait.
    if (!(setting > 0.0f)) return 0.0f;
    return std::min(setting, longestDeathScreenWaitMs);
}

float wastedScreenTimeScale(float setting) {
    if (!(std::isfinite(setting) && setting > 0.0f && setting <= 1.0f)) return 1.0f;
    return std::max(setting, slowestTimeScale);
}

HeightBand aircraftHeightBand(int32_t minimumSetting, int32_t maximumSetting, HeightBand builtIn) {
    int32_t low = minimumSetting < 0 ? builtIn.minimum : minimumSetting;
    int32_t high = maximumSetting < 0 ? builtIn.maximum : maximumSetting;
    low = heldTo(low, lowestAircraftHeight, highestAircraftHeight);
    high = heldTo(high, lowestAircraftHeight, highestAircraftHeight);
    return low <= high ? HeightBand{low, high} : HeightBand{high, low};
}
