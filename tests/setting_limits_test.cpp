// The ranges to which waits, delays, the time scale and aircraft heights taken
// from the settings are held before use.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "settings/setting_limits.h"

TEST(SettingLimits, WaitsAndDelaysCountNegativeAsNoneAndAreHeldToTheirLongest) {
    for (auto wait : {skinChangeWaitMs, skinResetDelayMs}) {
        EXPECT_EQ(wait(INT_MIN), 0u);
        EXPECT_EQ(wait(-1), 0u);
        EXPECT_EQ(wait(0), 0u);
        EXPECT_EQ(wait(3000), 3000u);
        EXPECT_EQ(wait(60000), 60000u);
        EXPECT_EQ(wait(60001), 60000u);
        EXPECT_EQ(wait(INT_MAX), 60000u);
    }
    EXPECT_EQ(deathScreenWaitMs(5500.0f), 5500.0f);
    EXPECT_EQ(deathScreenWaitMs(-1.0f), 0.0f);
    EXPECT_EQ(deathScreenWaitMs(static_cast<float>(INT_MIN)), 0.0f);
    EXPECT_EQ(deathScreenWaitMs(static_cast<float>(INT_MAX)), 120000.0f);
    EXPECT_EQ(deathScreenWaitMs(std::numeric_limits<float>::quiet_NaN()), 0.0f);
}

TEST(SettingLimits, TimeScaleIsASlowMotionOfAtLeast005OrNormalSpeed) {
    EXPECT_EQ(wastedScreenTimeScale(0.8f), 0.8f);
    EXPECT_EQ(wastedScreenTimeScale(0.05f), 0.05f);
    EXPECT_EQ(wastedScreenTimeScale(1.0f), 1.0f);
    for (float tiny : {0.049f, 0.0001f, 0.000001f, std::numeric_limits<float>::denorm_min()})
        EXPECT_EQ(wastedScreenTimeScale(tiny), 0.05f) << tiny;
    const float normalSpeed[] = {0.0f, -0.0f, -0.5f, 1.5f, std::numeric_limits<float>::infinity(),
                                 -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
    for (float setting : normalSpeed) EXPECT_EQ(wastedScreenTimeScale(setting), 1.0f) << setting;
}

TEST(SettingLimits, AircraftBandIsAlwaysInTheAirAndTheRightWayRound) {
    auto band = [](int32_t low, int32_t high) {
        HeightBand b = aircraftHeightBand(helicopterHeights, low, high);
        return std::make_pair(b.minimum, b.maximum);
    };
    EXPECT_EQ(band(200, 350), std::make_pair(200, 350));
    EXPECT_EQ(band(400, 300), std::make_pair(300, 400)) << "a reversed band is turned round";
    EXPECT_EQ(band(-1, -1), std::make_pair(200, 350)) << "missing keys take the built-in bounds";
    EXPECT_EQ(band(-1, 100), std::make_pair(100, 200));
    EXPECT_EQ(band(INT_MIN, 500), std::make_pair(200, 500));
    EXPECT_EQ(band(0, 0), std::make_pair(50, 50)) << "clear of the ground";
    EXPECT_EQ(band(INT_MAX, INT_MAX), std::make_pair(2000, 2000));
    HeightBand plane = aircraftHeightBand(aeroplaneHeights, -1, -1);
    EXPECT_EQ(plane.minimum, 300);
    EXPECT_EQ(plane.maximum, 450);
}

TEST(SettingLimits, TheValueInUseFollowsTheTablesColumnAsThePluginAppliesIt) {
    for (int i = 0; i < settingKeyCount; ++i) {
        const SettingKey& key = settingKeys[i];
        const SettingId id = static_cast<SettingId>(i);
        SCOPED_TRACE(key.name);
        // Within the range a value is used as written (the time scale's low end, 0, stands for normal speed).
        if (key.outside != OutsideRange::Replaced) {
            for (double value : {key.low, key.high, key.builtIn}) EXPECT_EQ(settingInUse(id, value), value);
        }
        switch (key.outside) {
            case OutsideRange::UsedAsRead:
                EXPECT_EQ(settingInUse(id, key.high + 1000), key.high + 1000);
                EXPECT_EQ(settingInUse(id, key.low - 1000), key.low - 1000);
                break;
            case OutsideRange::Held:
                EXPECT_EQ(settingInUse(id, key.high + 1), key.high);
                EXPECT_EQ(settingInUse(id, key.low - 1), key.low);
                break;
            case OutsideRange::BuiltInBelowZero:
                EXPECT_EQ(settingInUse(id, key.high + 1), key.high);
                EXPECT_EQ(settingInUse(id, -1), key.builtIn);
                EXPECT_EQ(settingInUse(id, 0), key.low);
                break;
            case OutsideRange::Replaced:
                for (float value : {-1.0f, 0.0f, 0.01f, 0.5f, 1.5f})
                    EXPECT_EQ(settingInUse(id, value), wastedScreenTimeScale(value)) << value;
                break;
        }
    }
    // The plug-in's own functions agree with it.
    const SettingId skinWait = SettingId::wait_time_before_skin_change;
    for (int32_t wait : {-5, 0, 2500, 60000, 90000})
        EXPECT_EQ(skinChangeWaitMs(wait), settingInUse(skinWait, wait)) << wait;
    for (int32_t height : {-1, 0, 120, 2500}) {
        HeightBand band = aircraftHeightBand(helicopterHeights, height, 2000);
        EXPECT_EQ(band.minimum, settingInUse(helicopterHeights.minimum, height)) << height;
    }
}
