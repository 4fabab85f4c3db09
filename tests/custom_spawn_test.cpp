// The user's custom spawn points: reading them from the settings file, the
// pick, and the spawn on the ground there.
#include <gtest/gtest.h>

#include <string>

#include "host/natives/player_natives.h"
#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "settings_io/settings_store.h"
#include "settings/setting_limits.h"
#include "sim/terrain.h"
#include "spawn/custom_spawn.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {


// Writes the built-in settings with the given point count and point keys, and reads them.
sim::World& startGame(const std::string& count, const std::string& pointLines) {
    sim::World& w = testing_support::loadPlugin();
    playerState.playerPed = playerPedId();
    testing_support::writeSettingsFile(testing_support::withSetting(
        testing_support::builtInSettingsText(pointLines), "number_of_custom_spawn_points_in_use", count));
    readSettings();
    w.calls.clear();
    return w;
}

void expectPoint(const CustomSpawnPoint& p, float x, float y, float z) {
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
    EXPECT_EQ(p.z, z);
}

const sim::CallRecord& onlyRandomInt(const sim::World& w) {
    EXPECT_EQ(w.countCalls(randomIntNative), 1);
    for (const sim::CallRecord& call : w.calls)
        if (call.hash == randomIntNative) return call;
    ADD_FAILURE() << "no random integer drawn";
    return w.calls.at(0);
}

}  // namespace

TEST(CustomSpawn, EveryListedPointCanBePickedByIndex) {
    sim::World& w = startGame("3",
                              "custom_spawn_1_x=100.5\ncustom_spawn_1_y=200\ncustom_spawn_1_z=30\n"
                              "custom_spawn_2_x=-1\ncustom_spawn_2_y=-2\ncustom_spawn_2_z=-3\n"
                              "custom_spawn_3_x=7\ncustom_spawn_3_y=8\ncustom_spawn_3_z=9\n");
    ASSERT_EQ(settings.number_of_custom_spawn_points_in_use, 3);
    const float expected[3][3] = {{100.5f, 200.0f, 30.0f}, {-1.0f, -2.0f, -3.0f}, {7.0f, 8.0f, 9.0f}};
    for (int index = 0; index < 3; ++index) {
        w.calls.clear();
        w.forcedInts = {index};
        expectPoint(readCustomSpawnPoints(), expected[index][0], expected[index][1], expected[index][2]);
        const sim::CallRecord& pick = onlyRandomInt(w);
        EXPECT_EQ(pick.args[0], 0u);
        EXPECT_EQ(pick.args[1], 3u);
    }
}

TEST(CustomSpawn, MissingPointReadsAsTheOrigin) {
    sim::World& w = startGame("2", "custom_spawn_1_x=1\ncustom_spawn_1_y=2\ncustom_spawn_1_z=3\n");
    w.forcedInts = {1, 0};
    expectPoint(readCustomSpawnPoints(), 0.0f, 0.0f, 0.0f);
    expectPoint(readCustomSpawnPoints(), 1.0f, 2.0f, 3.0f);
}

TEST(CustomSpawn, NoPointsWithoutAPositiveCount) {
    for (const char* count : {"0", "-1"}) {
        sim::World& w = startGame(count, "custom_spawn_1_x=1\ncustom_spawn_1_y=2\ncustom_spawn_1_z=3\n");
        expectPoint(readCustomSpawnPoints(), 0.0f, 0.0f, 0.0f);
        EXPECT_EQ(w.countCalls(randomIntNative), 0) << count;
    }
}

TEST(CustomSpawn, KeysAndValuesAreReadAsFloatSettings) {
    sim::World& w = startGame("2",
                              "custom_spawn_01_x=5\ncustom_spawn_1_y=12.5abc\ncustom_spawn_1_z=abc\n"
                              "custom_spawn_2_x=  -7.25\n"
                              "custom_spawn_2_y=0000000000000000000000000000001234\n"  // 31 characters kept
                              "custom_spawn_2_z=2e2\n");
    w.forcedInts = {0, 1};
    expectPoint(readCustomSpawnPoints(), 0.0f, 12.5f, 0.0f);
    expectPoint(readCustomSpawnPoints(), -7.25f, 1.0f, 200.0f);
}

TEST(CustomSpawn, HugeCountIsCappedAtTheMostPointsRead) {
    sim::World& w = startGame("2147483647", "custom_spawn_10000_x=5\ncustom_spawn_10001_x=9\n");
    ASSERT_EQ(settings.number_of_custom_spawn_points_in_use, 2147483647);
    w.forcedInts = {customSpawnPointCap - 1};
    expectPoint(readCustomSpawnPoints(), 5.0f, 0.0f, 0.0f);
    const sim::CallRecord& pick = onlyRandomInt(w);
    EXPECT_EQ(pick.args[1], static_cast<uint64_t>(customSpawnPointCap));
}

TEST(CustomSpawn, SpawnStandsOnTheGroundAndFollowsFileChanges) {
    sim::World& w = startGame("1", "custom_spawn_1_x=200\ncustom_spawn_1_y=300\ncustom_spawn_1_z=800\n");
    w.forcedInts = {0};
    w.forcedFloats = {90.0f};
    spawnAtCustomPoint();
    float ground = sim::terrainHeight(200.0f, 300.0f);
    const sim::Vec3& p = w.player()->position;
    EXPECT_EQ(p.x, 200.0f);
    EXPECT_EQ(p.y, 300.0f);
    EXPECT_EQ(p.z, ground);
    ASSERT_EQ(w.sceneLoads.size(), 1u);
    EXPECT_EQ(w.sceneLoads[0].z, ground);
    EXPECT_EQ(w.player()->heading, 90.0f);

    // The point is re-read at the next spawn, without a settings reload; a
    // search height below the ground finds none and leaves height 0.
    testing_support::writeSettingsFile(testing_support::builtInSettingsText(
        "custom_spawn_1_x=-400\ncustom_spawn_1_y=900\ncustom_spawn_1_z=-50\n"));
    w.forcedInts = {0};
    spawnAtCustomPoint();
    EXPECT_EQ(p.x, -400.0f);
    EXPECT_EQ(p.y, 900.0f);
    EXPECT_EQ(p.z, 0.0f);
}
