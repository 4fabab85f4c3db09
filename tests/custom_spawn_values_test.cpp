// Custom spawn points whose coordinates are no finite float: the player must
// never be sent to an infinite place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "host/natives/player_natives.h"
#include "settings_io/settings_store.h"
#include "shared/player_state.h"
#include "sim/terrain.h"
#include "shared/map_bounds.h"
#include "spawn/custom_spawn.h"
#include "spawn/spawn_points.h"
#include "tests/support/plugin_state.h"

TEST(CustomSpawnValues, CoordinatesBeyondAFloatPutThePlayerAtZeroNotAtInfinity) {
    for (const char* value : {"1e39", "-1e39", "inf", "-inf", "nan", "1e999"}) {
        sim::World& w = testing_support::loadPlugin();
        playerState.playerPed = playerPedId();
        std::string v = value;
        testing_support::writeSettingsFile(testing_support::withSetting(
            testing_support::builtInSettingsText("custom_spawn_1_x=" + v + "\ncustom_spawn_1_y=" + v +
                                                 "\ncustom_spawn_1_z=" + v + "\n"),
            "number_of_custom_spawn_points_in_use", "1"));
        ASSERT_TRUE(readSettings());
        w.forcedInts = {0};
        spawnAtCustomPoint();
        const sim::Vec3& p = w.player()->position;
        SCOPED_TRACE(value);
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
        EXPECT_EQ(p.x, 0.0f);
        EXPECT_EQ(p.y, 0.0f);
        // The ground search from height 0 finds none; the respawn settles him later.
        EXPECT_LE(p.z, sim::terrainHeight(0.0f, 0.0f));
    }
}

namespace {

CustomSpawnPoint pointReadFrom(const std::string& x, const std::string& y, const std::string& z) {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(testing_support::withSetting(
        testing_support::builtInSettingsText("custom_spawn_1_x=" + x + "\ncustom_spawn_1_y=" + y +
                                             "\ncustom_spawn_1_z=" + z + "\n"),
        "number_of_custom_spawn_points_in_use", "1"));
    readSettings();
    w.forcedInts = {0};
    return readCustomSpawnPoints();
}

}  // namespace

// Huge but finite coordinates put the player far off the map before.
TEST(CustomSpawnValues, APointOffTheMapIsNoPlaceAndReadsAsAMissingPoint) {
    for (const char* huge : {"1e38", "-1e38", "99999999999", "-99999999999", "12000"}) {
        for (int axis = 0; axis < 3; ++axis) {
            std::string values[3] = {"200", "300", "40"};
            values[axis] = huge;
            CustomSpawnPoint p = pointReadFrom(values[0], values[1], values[2]);
            SCOPED_TRACE(std::string(huge) + " on axis " + "xyz"[axis]);
            EXPECT_EQ(p.x, 0.0f);
            EXPECT_EQ(p.y, 0.0f);
            EXPECT_EQ(p.z, 0.0f);
        }
    }
    // Far out at sea, and high in the air where a point saved in flight lies: places.
    CustomSpawnPoint sea = pointReadFrom("5800", "-5300", "0");
    EXPECT_EQ(sea.x, 5800.0f);
    EXPECT_EQ(sea.y, -5300.0f);
    CustomSpawnPoint flight = pointReadFrom("-2000", "8600", "2500");
    EXPECT_EQ(flight.z, 2500.0f);
}

TEST(CustomSpawnValues, TheMapBoundsHoldEveryBuiltInPointWithTheSeaAroundIt) {
    for (const SpawnPoint& p : builtInSpawnPoints) {
        EXPECT_GE(p.x - mapBounds.minX, 2000.0f);
        EXPECT_GE(mapBounds.maxX - p.x, 2000.0f);
        EXPECT_GE(p.y - mapBounds.minY, 2000.0f);
        EXPECT_GE(mapBounds.maxY - p.y, 2000.0f);
        EXPECT_TRUE(insideMapBounds(p.x, p.y, p.z));
    }
    // Rounded outward by less than 50 units: the margin is the sea, not more.
    float minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const SpawnPoint& p : builtInSpawnPoints) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    EXPECT_LT(minX - mapBounds.minX, 2050.0f);
    EXPECT_LT(mapBounds.maxX - maxX, 2050.0f);
    EXPECT_LT(minY - mapBounds.minY, 2050.0f);
    EXPECT_LT(mapBounds.maxY - maxY, 2050.0f);
}
