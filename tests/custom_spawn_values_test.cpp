// Custom spawn points whose coordinates are no finite float: the player must
// never be sent to an infinite place.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "host/natives/player_natives.h"
#include "settings/respawn_settings.h"
#include "shared/player_state.h"
#include "sim/terrain.h"
#include "spawn/custom_spawn.h"
#include "tests/support/plugin_state.h"

TEST(CustomSpawnValues, CoordinatesBeyondAFloatPutThePlayerAtZeroNotAtInfinity) {
    for (const char* value : {"1e39", "-1e39", "inf", "-inf", "nan", "1e999"}) {
        sim::World& w = testing_support::loadPlugin();
        playerState.playerPed = localPlayerPed();
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
