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
