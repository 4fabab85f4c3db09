#include "settings/setting_limits.h"

#include <algorithm>
#include <cmath>

namespace {

// The keys that share one limit share one range.
constexpr bool sameRange(SettingId a, SettingId b) {
    return settingKey(a).low == settingKey(b).low && settingKey(a).high == settingKey(b).high;
}
static_assert(sameRange(SettingId::first_wait_time, SettingId::max_wait_time_before_respawn_upon_skin_exception));
static_assert(sameRange(SettingId::min_heli_spawn_height_over_ground, SettingId::max_heli_spawn_height_over_ground) &&
              sameRange(SettingId::min_heli_spawn_height_over_ground, SettingId::min_plane_spawn_height_over_ground) &&
              sameRange(SettingId::min_heli_spawn_height_over_ground, SettingId::max_plane_spawn_height_over_ground));

int32_t heldTo(int32_t value, int32_t lowest, int32_t highest) { return std::min(std::max(value, lowest), highest); }

uint32_t heldWait(SettingId id, int32_t setting) {
    return static_cast<uint32_t>(heldTo(setting, lowestOf(id), highestOf(id)));
}

}  // namespace

uint32_t skinChangeWaitMs(int32_t setting) { return heldWait(SettingId::wait_time_before_skin_change, setting); }

uint32_t skinResetDelayMs(int32_t setting) { return heldWait(SettingId::time_before_reset_skin, setting); }

float deathScreenWaitMs(float setting) {
    const SettingKey& key = settingKey(SettingId::first_wait_time);
    // Written so that a value that is not a number counts as the shortest wait.
    if (!(setting > static_cast<float>(key.low))) return static_cast<float>(key.low);
    return std::min(setting, static_cast<float>(key.high));
}

float wastedScreenTimeScale(float setting) {
    const SettingKey& key = settingKey(SettingId::slow_motion_at_wasted_and_busted_screens);
    bool slowMotion = std::isfinite(setting) && setting > static_cast<float>(key.low) &&
                      setting <= static_cast<float>(key.high);
    return slowMotion ? std::max(setting, slowestTimeScale) : 1.0f;
}

HeightBand aircraftHeightBand(int32_t minimumSetting, int32_t maximumSetting, HeightBand builtIn) {
    int32_t low = minimumSetting < 0 ? builtIn.minimum : minimumSetting;
    int32_t high = maximumSetting < 0 ? builtIn.maximum : maximumSetting;
    low = heldTo(low, lowestAircraftHeight, highestAircraftHeight);
    high = heldTo(high, lowestAircraftHeight, highestAircraftHeight);
    return low <= high ? HeightBand{low, high} : HeightBand{high, low};
}
