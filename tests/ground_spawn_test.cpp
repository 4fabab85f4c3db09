// The ground strategies and the placement operations they share.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "host/natives/player_natives.h"
#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/entities.h"
#include "shared/player_state.h"
#include "shared/spawn_geometry.h"
#include "settings/settings_record.h"
#include "sim/terrain.h"
#include "spawn/ground_spawn.h"
#include "spawn/spawn_points.h"
#include "tests/support/call_log.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::callsOf;
using testing_support::floatArgument;


sim::World& startGame(int32_t distance = 120) {
    sim::World& w = testing_support::loadPlugin();
    playerState.playerPed = playerPedId();
    settings.preferred_spawn_distance = distance;
    w.calls.clear();
    return w;
}

void expectPlayerAt(sim::World& w, float x, float y, float z) {
    const sim::Vec3& p = w.player()->position;
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
    EXPECT_EQ(p.z, z);
}

// The table row nearest to (x, y), worked out in double precision; ties go to the earlier row.
int nearestRow(double x, double y) {
    int best = -1;
    double bestDistance = 99999.0;
    for (int i = 0; i < builtInSpawnPointCount; ++i) {
        double dx = x - builtInSpawnPoints[i].x, dy = y - builtInSpawnPoints[i].y;
        double distance = std::sqrt(dx * dx + dy * dy);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

TEST(GroundSpawn, AxisOffsetSignAndSize) {
    sim::World& w = startGame();
    w.forcedFloats = {5.0f, 5.0001f, 1.0f, 10.9f, 1.0f, 9.0f, 1.0f};
    EXPECT_EQ(randomAxisOffset(120), 84);
    EXPECT_EQ(randomAxisOffset(120), -84);
    EXPECT_EQ(randomAxisOffset(-1), 0);
    EXPECT_EQ(randomAxisOffset(-1), 0);
    // The extreme distances stay defined: INT_MIN / sqrt(2) truncated, either sign.
    EXPECT_EQ(randomAxisOffset(INT_MIN), -1518500249);
    EXPECT_EQ(randomAxisOffset(INT_MIN), 1518500249);
    EXPECT_EQ(randomAxisOffset(INT_MAX), 1518500249);
    auto rolls = callsOf(w, randomFloatNative);
    ASSERT_EQ(rolls.size(), 7u);
    EXPECT_EQ(floatArgument(rolls[0], 0), 1.0f);
    EXPECT_EQ(floatArgument(rolls[0], 1), 11.0f);
}

TEST(GroundSpawn, NearestListPointToTheOffsetTarget) {
    sim::World& w = startGame();
    Vector3 origin{0.0f, 0.0f, 33.0f};
    struct Case {
        float xRoll, yRoll, targetX, targetY;
    } cases[] = {{1.0f, 10.0f, 84.0f, -84.0f}, {10.0f, 1.0f, -84.0f, 84.0f}};
    for (const Case& c : cases) {
        w.forcedFloats = {c.xRoll, c.yRoll};
        SpawnPoint point = nearestListPoint(origin);
        int row = nearestRow(c.targetX, c.targetY);
        ASSERT_GE(row, 0);
        EXPECT_EQ(point.x, builtInSpawnPoints[row].x);
        EXPECT_EQ(point.y, builtInSpawnPoints[row].y);
        EXPECT_EQ(point.z, builtInSpawnPoints[row].z);
    }
}

TEST(GroundSpawn, NearestListPointTieGoesToTheEarlierRowAndFarAwayKeepsTheOrigin) {
    sim::World& w = startGame(-1);  // distance -1: the target is the origin itself
    // Rows 6 and 7 lie exactly as far from their midpoint, and no other row is nearer.
    const SpawnPoint &a = builtInSpawnPoints[6], &b = builtInSpawnPoints[7];
    float midX = (a.x + b.x) / 2, midY = (a.y + b.y) / 2;
    ASSERT_EQ(std::hypot(std::fabs(midX - a.x), std::fabs(midY - a.y)),
              std::hypot(std::fabs(midX - b.x), std::fabs(midY - b.y)));
    ASSERT_EQ(nearestRow(midX, midY), 6);
    SpawnPoint tie = nearestListPoint(Vector3{midX, midY, 0.0f});
    EXPECT_EQ(tie.x, a.x);
    EXPECT_EQ(tie.y, a.y);

    // No row within 99999 units: the death point itself, at its own height.
    SpawnPoint far = nearestListPoint(Vector3{500000.0f, 0.0f, 7.5f});
    EXPECT_EQ(far.x, 500000.0f);
    EXPECT_EQ(far.y, 0.0f);
    EXPECT_EQ(far.z, 7.5f);
    EXPECT_EQ(w.countCalls(randomFloatNative), 4);
}

TEST(GroundSpawn, ListSpawnPlacesAtTheRecordWithoutGroundSearch) {
    sim::World& w = startGame();
    w.forcedFloats = {-20.5f};  // the heading
    spawnAtListPoint(false);
    // The table generator's first value after seed 1 is 41.
    expectPlayerAt(w, builtInSpawnPoints[41].x, builtInSpawnPoints[41].y, builtInSpawnPoints[41].z);
    EXPECT_EQ(w.countCalls(groundHeightNative), 0);
    EXPECT_TRUE(w.sceneLoads.empty());
    EXPECT_EQ(w.player()->heading, 339.5f);

    // Close, with distance -1: the row the death point stands on.
    const SpawnPoint& row500 = builtInSpawnPoints[500];
    settings.preferred_spawn_distance = -1;
    playerState.lastPlayerPosition = Vector3{row500.x, row500.y, row500.z + 2.0f};
    spawnAtListPoint(true);
    expectPlayerAt(w, row500.x, row500.y, row500.z);
}

TEST(GroundSpawn, CloseMapPointInsideBoundsSkipsTheRegionRoll) {
    sim::World& w = startGame();
    playerState.lastPlayerPosition = Vector3{0.0f, 0.0f, 10.0f};
    w.forcedFloats = {1.0f, 10.0f};
    Vector3 point = randomMapPoint(true);
    EXPECT_EQ(point.x, 84.0f);
    EXPECT_EQ(point.y, -84.0f);
    EXPECT_EQ(point.z, 1000.0f);
    EXPECT_EQ(w.countCalls(randomIntNative), 0);
}

TEST(GroundSpawn, CloseMapPointPastTheEdgeAndNonCloseTakeARegion) {
    sim::World& w = startGame();
    // 3300 + 84 = 3384 is not below 3352: the region roll decides.
    playerState.lastPlayerPosition = Vector3{3300.0f, 0.0f, 10.0f};
    w.forcedFloats = {1.0f, 1.0f, 100.0f, 200.0f};
    w.forcedInts = {50};
    Vector3 point = randomMapPoint(true);
    EXPECT_EQ(point.x, 100.0f);
    EXPECT_EQ(point.y, 200.0f);
    auto floats = callsOf(w, randomFloatNative);
    ASSERT_EQ(floats.size(), 4u);
    EXPECT_EQ(floatArgument(floats[2], 0), -1274.0f);
    EXPECT_EQ(floatArgument(floats[2], 1), 1420.0f);
    EXPECT_EQ(floatArgument(floats[3], 0), -2200.0f);
    EXPECT_EQ(floatArgument(floats[3], 1), 1128.0f);
    auto ints = callsOf(w, randomIntNative);
    ASSERT_EQ(ints.size(), 1u);
    EXPECT_EQ(ints[0].args[0], 1u);
    EXPECT_EQ(ints[0].args[1], 101u);

    // Not close: the offsets are still drawn, then the region roll is made.
    w.calls.clear();
    playerState.lastPlayerPosition = Vector3{0.0f, 0.0f, 10.0f};
    w.forcedFloats = {1.0f, 1.0f, 5.0f, 6.0f};
    w.forcedInts = {1};
    point = randomMapPoint(false);
    EXPECT_EQ(point.x, 5.0f);
    EXPECT_EQ(point.y, 6.0f);
    EXPECT_EQ(w.countCalls(randomFloatNative), 4);
}

TEST(GroundSpawn, RegionRollAboveFiftyPicksOneOfFiveRegions) {
    struct Region {
        float index, minX, maxX, minY, maxY;
    } regions[] = {
        {1.0f, 1384.0f, 2126.0f, 3464.0f, 3962.0f},  {2.5f, 1641.0f, 2989.0f, 4683.0f, 5261.0f},
        {3.0f, -519.0f, -218.0f, 5921.0f, 6477.0f},  {4.99f, -219.0f, 191.0f, 5921.0f, 6401.0f},
        {5.999f, -2300.0f, 2441.0f, 1052.0f, 4560.0f},
    };
    sim::World& w = startGame();
    playerState.lastPlayerPosition = Vector3{0.0f, 0.0f, 10.0f};
    for (const Region& r : regions) {
        SCOPED_TRACE(r.index);
        w.calls.clear();
        w.forcedInts = {51};
        w.forcedFloats = {1.0f, 1.0f, r.index, 11.0f, 22.0f};
        Vector3 point = randomMapPoint(false);
        EXPECT_EQ(point.x, 11.0f);
        EXPECT_EQ(point.y, 22.0f);
        auto floats = callsOf(w, randomFloatNative);
        ASSERT_EQ(floats.size(), 5u);
        EXPECT_EQ(floatArgument(floats[2], 0), 1.0f);
        EXPECT_EQ(floatArgument(floats[2], 1), 6.0f);
        EXPECT_EQ(floatArgument(floats[3], 0), r.minX);
        EXPECT_EQ(floatArgument(floats[3], 1), r.maxX);
        EXPECT_EQ(floatArgument(floats[4], 0), r.minY);
        EXPECT_EQ(floatArgument(floats[4], 1), r.maxY);
    }
    // An index outside 1 to 5 keeps the offset point.
    w.forcedInts = {100};
    w.forcedFloats = {1.0f, 10.0f, 6.0f};
    Vector3 point = randomMapPoint(false);
    EXPECT_EQ(point.x, 84.0f);
    EXPECT_EQ(point.y, -84.0f);
}

TEST(GroundSpawn, MapAndDeathPointSpawnsStandOnTheGround) {
    sim::World& w = startGame();
    playerState.lastPlayerPosition = Vector3{0.0f, 0.0f, 10.0f};
    w.forcedInts = {50};
    w.forcedFloats = {1.0f, 1.0f, 100.0f, 200.0f, 45.0f};
    spawnAtRandomMapPoint(false);
    float ground = sim::terrainHeight(100.0f, 200.0f);
    expectPlayerAt(w, 100.0f, 200.0f, ground);
    ASSERT_EQ(w.sceneLoads.size(), 1u);
    EXPECT_EQ(w.sceneLoads[0].z, ground);
    auto probes = callsOf(w, groundHeightNative);
    ASSERT_EQ(probes.size(), 1u);
    EXPECT_EQ(floatArgument(probes[0], 2), 1000.0f);
    EXPECT_EQ(w.player()->heading, 45.0f);

    playerState.lastPlayerPosition = Vector3{200.0f, 300.0f, 500.0f};
    spawnAtDeathPoint();
    expectPlayerAt(w, 200.0f, 300.0f, sim::terrainHeight(200.0f, 300.0f));
    EXPECT_EQ(w.sceneLoads.back().z, sim::terrainHeight(200.0f, 300.0f));

    // A death point below the ground finds none: height 0 until the settling.
    playerState.lastPlayerPosition = Vector3{200.0f, 300.0f, -5.0f};
    spawnAtDeathPoint();
    expectPlayerAt(w, 200.0f, 300.0f, 0.0f);
}

TEST(GroundSpawn, SettleOnGroundFindsTheGroundBelowThePlayer) {
    sim::World& w = startGame();
    w.player()->position = sim::Vec3{200.0f, 300.0f, 400.0f};
    float ground = sim::terrainHeight(200.0f, 300.0f);
    settleOnGround();
    expectPlayerAt(w, 200.0f, 300.0f, ground + 0.2f);
    auto probes = callsOf(w, groundHeightNative);
    ASSERT_EQ(probes.size(), 2u);
    EXPECT_EQ(floatArgument(probes[0], 2), 950.0f);
    EXPECT_EQ(floatArgument(probes[1], 2), ground + 5.0f);
    ASSERT_EQ(w.sceneLoads.size(), 1u);
    EXPECT_FLOAT_EQ(w.sceneLoads[0].z, ground);
}

TEST(GroundSpawn, SettleOnGroundWithNoGroundGoesToTheNearestListPlace) {
    sim::World& w = startGame();
    w.groundlessAreas.push_back(sim::MapArea{-10000.0f, 10000.0f, -10000.0f, 10000.0f});
    w.player()->position = sim::Vec3{10.0f, 20.0f, 123.0f};
    uint32_t start = w.tick();
    settleOnGround();
    auto probes = callsOf(w, groundHeightNative);
    ASSERT_EQ(probes.size(), 19u);
    EXPECT_EQ(floatArgument(probes[0], 2), 950.0f);
    EXPECT_EQ(floatArgument(probes[18], 2), 50.0f);
    auto placements = callsOf(w, placeEntityNative);
    ASSERT_EQ(placements.size(), 20u);
    for (int i = 0; i < 19; ++i) EXPECT_EQ(floatArgument(placements[i], 3), 950.0f - 50.0f * i);
    // Not left at a height no probe confirmed, but on a place where a player can stand.
    const SpawnPoint& nearest = builtInSpawnPoints[nearestRow(10.0, 20.0)];
    expectPlayerAt(w, nearest.x, nearest.y, nearest.z);
    EXPECT_GE(w.tick() - start, 19u * 100u);
}

TEST(GroundSpawn, DeathPointSpawnOverWaterEndsOnAListPlaceNotOnTheBed) {
    // The player drowned far out: the ground probe finds the sea bed under the
    // death point, the water query the sea above it.
    sim::World& w = startGame();
    playerState.lastPlayerPosition = Vector3{-3700.0f, 0.0f, -3.0f};
    ASSERT_FALSE(sim::isDryLand(-3700.0f, 0.0f));
    spawnAtDeathPoint();
    EXPECT_EQ(w.player()->position.z, sim::terrainHeight(-3700.0f, 0.0f)) << "on the bed until the settling";
    settleOnGround();
    const SpawnPoint& nearest = builtInSpawnPoints[nearestRow(-3700.0, 0.0)];
    expectPlayerAt(w, nearest.x, nearest.y, nearest.z);
    EXPECT_TRUE(sim::isDryLand(nearest.x, nearest.y));
    EXPECT_EQ(callsOf(w, groundHeightNative).size(), 2u) << "the bed was found at the first probe";

    // The lake, whose surface lies above the sea level, likewise.
    w.player()->position = sim::Vec3{2000.0f, 4250.0f, sim::lakeLevel};
    settleOnGround();
    const SpawnPoint& byTheLake = builtInSpawnPoints[nearestRow(2000.0, 4250.0)];
    expectPlayerAt(w, byTheLake.x, byTheLake.y, byTheLake.z);

    // A position that is not a number is nearest to no place: the first one.
    w.player()->position = sim::Vec3{NAN, NAN, NAN};
    settleOnGround();
    expectPlayerAt(w, builtInSpawnPoints[0].x, builtInSpawnPoints[0].y, builtInSpawnPoints[0].z);
}

TEST(GroundSpawn, FacingAndPositionOfMissingEntities) {
    sim::World& w = startGame();
    w.forcedFloats = {123.5f};
    faceRandomHeading();
    EXPECT_EQ(w.player()->heading, 123.5f);
    auto headings = callsOf(w, randomFloatNative);
    ASSERT_EQ(headings.size(), 1u);
    EXPECT_EQ(floatArgument(headings[0], 0), -360.0f);
    EXPECT_EQ(floatArgument(headings[0], 1), 361.0f);
    auto pitch = callsOf(w, relativePitchNative);
    ASSERT_EQ(pitch.size(), 1u);
    EXPECT_EQ(pitch[0].args[0], 0u);
    EXPECT_EQ(pitch[0].args[1], 0x4E7E0000u);
    EXPECT_EQ(w.screen.relativeHeading, 0.0f);

    // A vanished ped: nothing but the existence test; handle 0: not even that.
    w.calls.clear();
    w.removeEntity(playerState.playerPed);
    faceRandomHeading();
    EXPECT_EQ(w.calls.size(), 1u);
    Vector3 gone = entityPosition(playerState.playerPed);
    EXPECT_EQ(gone.x, 0.0f);
    EXPECT_EQ(gone.y, 0.0f);
    EXPECT_EQ(gone.z, 0.0f);
    w.calls.clear();
    playerState.playerPed = 0;
    faceRandomHeading();
    Vector3 none = entityPosition(0);
    EXPECT_EQ(none.z, 0.0f);
    EXPECT_TRUE(w.calls.empty());
}
