// The weighted spawn mode roll, its fall-back and the close-point roll.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>

#include "host/natives/player_natives.h"
#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "settings/settings_record.h"
#include "spawn/ground_spawn.h"
#include "spawn/spawn_mode.h"
#include "spawn/spawn_points.h"
#include "shared/table_random.h"
#include "tests/support/call_log.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::callsOf;
using testing_support::floatArgument;


struct Chances {
    int32_t list, road, air, death, map, custom;
};

// A game with the player on foot at a death point on land, and the chances
// (the close-point chance apart) as given.
sim::World& startGame(const Chances& chances, int32_t closeChance = 100) {
    sim::World& w = testing_support::loadPlugin();
    playerState.playerPed = playerPedId();
    playerState.lastPlayerPosition = Vector3{-50.0f, -1110.0f, 26.4f};
    settings.on_point_from_list_player_spawn_chance = chances.list;
    settings.in_vehicle_on_road_player_spawn_chance = chances.road;
    settings.in_air_player_spawn_chance = chances.air;
    settings.at_death_point_spawn_chance = chances.death;
    settings.random_point_on_map_spawn_chance = chances.map;
    settings.custom_spawn_chance = chances.custom;
    settings.on_close_point_player_spawn_chance = closeChance;
    settings.preferred_spawn_distance = 120;
    settings.number_of_custom_spawn_points_in_use = 0;  // a custom spawn goes to (0, 0, 0)
    return w;
}

// The strategy one chooseSpawn call ran, told from the natives it called: the
// road spawn asks for road nodes, the air spawn draws an altitude in (200, 501),
// the map spawn probes the ground from 1000, the death-point spawn from the
// death point, the custom spawn from the custom point (0, 0, 0 here), and the
// list spawn never probes the ground.
SpawnMode strategyRun(const sim::World& w) {
    if (w.countCalls(closestRoadNodeNative) > 0) return SpawnMode::InVehicleOnRoad;
    for (const sim::CallRecord& call : w.calls)
        if (call.hash == randomFloatNative && floatArgument(call, 0) == 200.0f && floatArgument(call, 1) == 501.0f)
            return SpawnMode::InAir;
    for (const sim::CallRecord& call : w.calls) {
        if (call.hash != groundHeightNative) continue;
        if (floatArgument(call, 2) == 1000.0f) return SpawnMode::RandomPointOnMap;
        if (floatArgument(call, 0) == playerState.lastPlayerPosition.x &&
            floatArgument(call, 1) == playerState.lastPlayerPosition.y)
            return SpawnMode::AtDeathPoint;
        if (floatArgument(call, 0) == 0.0f && floatArgument(call, 1) == 0.0f) return SpawnMode::CustomPoint;
    }
    return SpawnMode::OnPointFromList;
}

struct Outcome {
    SpawnMode mode;
    bool settle;
    bool focusSound;
};

// One chooseSpawn with the mode roll and the close roll forced.
Outcome spawnWithRolls(sim::World& w, int32_t roll, int32_t closeRoll = 100) {
    w.calls.clear();
    w.sounds.clear();
    w.forcedInts = {roll, closeRoll};
    bool settle = chooseSpawn();
    bool focus = false;
    for (const sim::SoundRecord& sound : w.sounds) focus = focus || sound.sound == "FocusIn";
    return Outcome{strategyRun(w), settle, focus};
}

bool playerAt(sim::World& w, const SpawnPoint& point) {
    const sim::Vec3& p = w.player()->position;
    return p.x == point.x && p.y == point.y && p.z == point.z;
}

}  // namespace

TEST(SpawnMode, BuiltInChancesSplitTheNinetyNineRolls) {
    sim::World& w = startGame({40, 30, 20, 0, 10, 0});
    for (int32_t roll = 1; roll <= 99; ++roll) {
        SCOPED_TRACE(roll);
        SpawnMode expected = roll <= 40   ? SpawnMode::OnPointFromList
                             : roll <= 70 ? SpawnMode::InVehicleOnRoad
                             : roll <= 90 ? SpawnMode::InAir
                                          : SpawnMode::RandomPointOnMap;
        Outcome outcome = spawnWithRolls(w, roll);
        EXPECT_EQ(outcome.mode, expected);
        EXPECT_EQ(outcome.settle, expected == SpawnMode::RandomPointOnMap);
        EXPECT_FALSE(outcome.focusSound);
        EXPECT_TRUE(w.forcedInts.empty()) << "both rolls are drawn";
    }
}

TEST(SpawnMode, AllChancesZeroFallsBackToTheListWithTheFocusSounds) {
    sim::World& w = startGame({0, 0, 0, 0, 0, 0}, 0);
    Outcome outcome = spawnWithRolls(w, 1, 1);
    EXPECT_EQ(outcome.mode, SpawnMode::OnPointFromList);
    EXPECT_FALSE(outcome.settle);
    ASSERT_EQ(w.sounds.size(), 2u);
    EXPECT_EQ(w.sounds[0].sound, "FocusIn");
    EXPECT_EQ(w.sounds[1].sound, "FocusOut");
    for (const sim::SoundRecord& sound : w.sounds) {
        EXPECT_EQ(sound.soundSet, "HintCamSounds");
        EXPECT_TRUE(sound.lastArgument);
    }
    // Close chance 0: not close, so the list index comes from the table
    // generator (its first value after seed 1 is 41).
    EXPECT_TRUE(playerAt(w, builtInSpawnPoints[41]));
}

TEST(SpawnMode, CustomOnlyFallsBackToTheListNeverToCustom) {
    sim::World& w = startGame({0, 0, 0, 0, 0, 50});
    Outcome at50 = spawnWithRolls(w, 50);
    EXPECT_EQ(at50.mode, SpawnMode::CustomPoint);
    EXPECT_TRUE(at50.settle);
    EXPECT_FALSE(at50.focusSound);
    for (int32_t roll : {51, 99}) {
        Outcome outcome = spawnWithRolls(w, roll);
        EXPECT_EQ(outcome.mode, SpawnMode::OnPointFromList) << roll;
        EXPECT_FALSE(outcome.settle);
        EXPECT_TRUE(outcome.focusSound);
    }
}

TEST(SpawnMode, MissingRoadChanceTakesPartInTheSumsAndTheFallBack) {
    sim::World& w = startGame({0, -1, 0, 0, 0, 100});
    for (int32_t roll : {1, 50, 99}) {
        Outcome outcome = spawnWithRolls(w, roll);
        EXPECT_EQ(outcome.mode, SpawnMode::CustomPoint) << roll;
        EXPECT_TRUE(outcome.settle);
        EXPECT_FALSE(outcome.focusSound);
    }
    settings.custom_spawn_chance = 0;
    Outcome outcome = spawnWithRolls(w, 1);
    EXPECT_EQ(outcome.mode, SpawnMode::InVehicleOnRoad);
    EXPECT_FALSE(outcome.settle);
    EXPECT_TRUE(outcome.focusSound);
}

TEST(SpawnMode, FallBackToGroundModesAsksForSettling) {
    sim::World& w = startGame({0, 0, 0, 3, 0, 0});
    Outcome death = spawnWithRolls(w, 50);
    EXPECT_EQ(death.mode, SpawnMode::AtDeathPoint);
    EXPECT_TRUE(death.settle);
    EXPECT_TRUE(death.focusSound);

    settings.at_death_point_spawn_chance = 0;
    settings.random_point_on_map_spawn_chance = 5;
    Outcome map = spawnWithRolls(w, 50);
    EXPECT_EQ(map.mode, SpawnMode::RandomPointOnMap);
    EXPECT_TRUE(map.settle);
    EXPECT_TRUE(map.focusSound);
}

TEST(SpawnMode, ThresholdsAreWrappingThirtyTwoBitSums) {
    // -100 + INT_MIN wraps to 2147483548, so every roll lands on the road mode;
    // a wider sum would stay negative and fall back to the list.
    sim::World& w = startGame({-100, INT_MIN, 0, 0, 0, 0});
    Outcome outcome = spawnWithRolls(w, 50);
    EXPECT_EQ(outcome.mode, SpawnMode::InVehicleOnRoad);
    EXPECT_FALSE(outcome.focusSound);

    // A list chance of 99 or more takes every roll whatever follows.
    settings.on_point_from_list_player_spawn_chance = INT_MAX;
    settings.in_vehicle_on_road_player_spawn_chance = 1;
    EXPECT_EQ(spawnWithRolls(w, 99).mode, SpawnMode::OnPointFromList);
}

TEST(SpawnMode, CloseChanceDecidesWhetherTheListPointIsNearTheDeathPoint) {
    // With distance -1 the close target is the death point itself, here list row 300.
    const SpawnPoint& row300 = builtInSpawnPoints[300];
    struct Case {
        int32_t closeChance, closeRoll;
        bool close;
    } cases[] = {{100, 100, true}, {99, 100, false}, {1, 1, true}, {0, 1, false}, {-1, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.closeChance * 1000 + c.closeRoll);
        sim::World& w = startGame({40, 30, 20, 0, 10, 0}, c.closeChance);
        settings.preferred_spawn_distance = -1;
        playerState.lastPlayerPosition = Vector3{row300.x, row300.y, row300.z + 3.0f};
        Outcome outcome = spawnWithRolls(w, 1, c.closeRoll);
        EXPECT_EQ(outcome.mode, SpawnMode::OnPointFromList);
        EXPECT_TRUE(playerAt(w, c.close ? row300 : builtInSpawnPoints[41]));
    }
}

TEST(SpawnMode, ModeRollDrawsOneToNinetyNineAndCloseRollOneToAHundred) {
    sim::World& w = startGame({40, 30, 20, 0, 10, 0});
    w.calls.clear();
    chooseSpawn();
    std::vector<sim::CallRecord> draws = callsOf(w, randomIntNative);
    ASSERT_GE(draws.size(), 2u);
    EXPECT_EQ(draws[0].args[0], 1u) << "the mode roll";
    EXPECT_EQ(draws[0].args[1], 100u);
    EXPECT_EQ(draws[1].args[0], 1u) << "the close roll";
    EXPECT_EQ(draws[1].args[1], 101u);
}

TEST(SpawnMode, RoadAndAirSpawnsComeNearTheDeathPointOnlyWhenTheCloseRollSaysSo) {
    // The axis offsets are +84 and +84; a far point comes from the large
    // rectangle (roll 61) at (3000, 6000).
    const float nearX = -50.0f + 84.0f, nearY = -1110.0f + 84.0f;
    for (SpawnMode mode : {SpawnMode::InVehicleOnRoad, SpawnMode::InAir}) {
        for (bool close : {true, false}) {
            SCOPED_TRACE(testing::Message() << (mode == SpawnMode::InAir ? "air " : "road ") << close);
            sim::World& w = startGame(mode == SpawnMode::InAir ? Chances{0, 0, 100, 0, 0, 0}
                                                               : Chances{0, 100, 0, 0, 0, 0},
                                      50);
            w.forcedInts = {1, close ? 50 : 51, 61};
            w.forcedFloats = {1.0f, 1.0f, 3000.0f, 6000.0f};
            if (mode == SpawnMode::InAir && close) w.forcedFloats = {1.0f, 1.0f};
            chooseSpawn();
            const sim::Entity* vehicle = w.find(w.player()->vehicle);
            ASSERT_NE(vehicle, nullptr);
            float fromNear = std::hypot(vehicle->position.x - nearX, vehicle->position.y - nearY);
            float fromFar = std::hypot(vehicle->position.x - 3000.0f, vehicle->position.y - 6000.0f);
            if (close)
                EXPECT_LT(fromNear, 300.0f);
            else
                EXPECT_LT(fromFar, 300.0f);
        }
    }
}

TEST(SpawnMode, ListPickDrawsEveryRowUpToTheLast) {
    // A seed whose first table value is 758 + 759: modulo 759 the last row.
    uint32_t seed = 1;
    for (;; ++seed) {
        seedTableRandom(seed);
        if (tableRandom() == 758 + builtInSpawnPointCount) break;
    }
    sim::World& w = startGame({100, 0, 0, 0, 0, 0}, 0);
    seedTableRandom(seed);
    spawnWithRolls(w, 1, 1);
    EXPECT_TRUE(playerAt(w, builtInSpawnPoints[758]));
}
