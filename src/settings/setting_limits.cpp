#include "settings/setting_limits.h"

#include <algorithm>
#include <cmath>

namespace {

// The keys that share one limit share one range.
constexpr bool sameRange(SettingId a, SettingId b) {
    return settingKey(a).low == settingKey(b).low && settingKey(a).high == settingKey(b).high;
}
static_assert(sameRange(SettingId::first_wait_time, SettingId::max_wait_time_before_respawn_upon_skin_exception));
// The functions below apply these columns; a change of the table that they
// would not follow fails here.
static_assert(settingKey(SettingId::wait_time_before_skin_change).outside == OutsideRange::Held &&
              settingKey(SettingId::time_before_reset_skin).outside == OutsideRange::Held &&
              settingKey(SettingId::first_wait_time).outside == OutsideRange::Held);
constexpr int replacedKeys() {
    int count = 0;
    for (const SettingKey& key : settingKeys) count += key.outside == OutsideRange::Replaced;
    return count;
}
static_assert(settingKey(SettingId::slow_motion_at_wasted_and_busted_screens).outside == OutsideRange::Replaced &&
              replacedKeys() == 1);

uint32_t heldWait(SettingId id, int32_t setting) { return static_cast<uint32_t>(settingInUse(id, setting)); }

int32_t heightInUse(SettingId id, int32_t setting) { return static_cast<int32_t>(settingInUse(id, setting)); }

}  // namespace

double settingInUse(SettingId id, double setting) {
    const SettingKey& key = settingKey(id);
    switch (key.outside) {
        case OutsideRange::UsedAsRead:
            break;
        case OutsideRange::BuiltInBelowZero:
            if (setting < 0) return key.builtIn;
            return std::min(std::max(setting, key.low), key.high);
        case OutsideRange::Held:
            return std::min(std::max(setting, key.low), key.high);
        case OutsideRange::Replaced:
            return wastedScreenTimeScale(static_cast<float>(setting));
    }
    return setting;
}

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

HeightBand aircraftHeightBand(const HeightKeys& keys, int32_t minimumSetting, int32_t maximumSetting) {
    int32_t low = heightInUse(keys.minimum, minimumSetting);
    int32_t high = heightInUse(keys.maximum, maximumSetting);
    return low <= high ? HeightBand{low, high} : HeightBand{high, low};
}
