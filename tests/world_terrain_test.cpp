// The simulated world's ground, roads and placement, as the spawns rely on them.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/vehicle_natives.h"
#include "host/natives/water_natives.h"
#include "sim/joaat.h"
#include "sim/terrain.h"
#include "spawn/spawn_points.h"
#include "tests/support/plugin_state.h"

TEST(WorldTerrain, GroundIsFoundBelowTheProbeAndWaterOverTheSeaAndTheLake) {
    sim::World& w = testing_support::loadPlugin();
    float height = -123.0f;
    ASSERT_TRUE(getGroundZFor3dCoord(200.0f, 300.0f, 900.0f, &height));
    EXPECT_EQ(height, sim::terrainHeight(200.0f, 300.0f));
    EXPECT_GT(height, 0.0f);
    float water = -123.0f;
    EXPECT_FALSE(getWaterHeightNoWaves(200.0f, 300.0f, 900.0f, &water));
    EXPECT_EQ(water, -123.0f);

    height = -123.0f;
    EXPECT_FALSE(getGroundZFor3dCoord(200.0f, 300.0f, sim::terrainHeight(200.0f, 300.0f) - 1.0f, &height));
    // Open sea and the lake: the probe reports the bed, the water query the surface above it.
    for (auto [x, y, surface] : {std::tuple{-3700.0f, 0.0f, sim::seaLevel}, {2000.0f, 4250.0f, sim::lakeLevel}}) {
        ASSERT_TRUE(getGroundZFor3dCoord(x, y, 900.0f, &height));
        EXPECT_EQ(height, sim::terrainHeight(x, y));
        EXPECT_LT(height, surface);
        ASSERT_TRUE(getWaterHeightNoWaves(x, y, 900.0f, &water));
        EXPECT_EQ(water, surface);
    }
    height = -123.0f;
    w.groundlessAreas.push_back(sim::MapArea{100.0f, 300.0f, 200.0f, 400.0f});
    EXPECT_FALSE(getGroundZFor3dCoord(200.0f, 300.0f, 900.0f, &height));
    EXPECT_EQ(height, -123.0f);
    EXPECT_TRUE(getGroundZFor3dCoord(350.0f, 300.0f, 900.0f, &height));
}

TEST(WorldTerrain, EveryListPointStandsOnLandOfTheMapsHeights) {
    float highest = 0.0f;
    for (float x = -3500.0f; x <= 3900.0f; x += 50.0f)
        for (float y = -3600.0f; y <= 6900.0f; y += 50.0f)
            if (sim::isDryLand(x, y)) highest = std::fmax(highest, sim::terrainHeight(x, y));
    EXPECT_GT(highest, 750.0f);
    EXPECT_LT(highest, 850.0f);
    EXPECT_FALSE(sim::isDryLand(4500.0f, 0.0f));
    EXPECT_LT(sim::terrainHeight(4500.0f, 0.0f), sim::seaLevel);
    EXPECT_EQ(sim::surfaceHeight(4500.0f, 0.0f), sim::seaLevel);
    // The lake: water over a bed below its surface, in the north-east.
    EXPECT_FALSE(sim::isDryLand(2000.0f, 4250.0f));
    EXPECT_LT(sim::terrainHeight(2000.0f, 4250.0f), sim::lakeLevel);
    EXPECT_EQ(sim::surfaceHeight(2000.0f, 4250.0f), sim::lakeLevel);
    for (const SpawnPoint& point : builtInSpawnPoints) EXPECT_TRUE(sim::isDryLand(point.x, point.y));
}

TEST(WorldTerrain, CollisionOfAnUnstreamedAreaComesFramesAfterASceneLoadOrThePlayersStay) {
    sim::World& w = testing_support::loadPlugin();
    w.unstreamedAreas.push_back(sim::StreamingArea{sim::MapArea{100.0f, 300.0f, 200.0f, 400.0f}});
    w.unstreamedAreas.push_back(sim::StreamingArea{sim::MapArea{-300.0f, -100.0f, 200.0f, 400.0f}});
    float height = -123.0f;
    EXPECT_FALSE(getGroundZFor3dCoord(200.0f, 300.0f, 900.0f, &height));
    // Each load takes its own number of frames, 1 to sceneLoadMaxFrames.
    std::set<int> frameCounts;
    for (int load = 0; load < 40; ++load) {
        w.unstreamedAreas[0].loaded = false;
        w.unstreamedAreas[0].sceneLoadFrame = 0;
        loadScene(150.0f, 250.0f, 0.0f);
        int frames = 0;
        while (!getGroundZFor3dCoord(200.0f, 300.0f, 900.0f, &height) &&
               frames <= static_cast<int>(w.sceneLoadMaxFrames)) {
            w.advanceFrame();
            ++frames;
        }
        EXPECT_GE(frames, 1);
        EXPECT_LE(frames, static_cast<int>(w.sceneLoadMaxFrames));
        frameCounts.insert(frames);
    }
    EXPECT_GT(frameCounts.size(), 5u);
    EXPECT_FALSE(getGroundZFor3dCoord(-200.0f, 300.0f, 900.0f, &height));
    w.player()->position = sim::Vec3{-200.0f, 300.0f, sim::terrainHeight(-200.0f, 300.0f)};
    for (int frame = 0; frame < 30; ++frame) w.advanceFrame();
    EXPECT_FALSE(getGroundZFor3dCoord(-200.0f, 300.0f, 900.0f, &height)) << "half a second is not enough";
    for (int frame = 0; frame < 31; ++frame) w.advanceFrame();
    EXPECT_TRUE(getGroundZFor3dCoord(-200.0f, 300.0f, 900.0f, &height));
}

TEST(WorldTerrain, HandedBackVehiclesAreDeletedOnceEmptyAndOutOfSight) {
    sim::World& w = testing_support::loadPlugin();
    sim::Vec3 near = w.player()->position;
    uint32_t kept = w.spawnVehicle(sim::joaat("adder"), sim::Vec3{near.x + 500.0f, near.y, near.z}).handle;
    uint32_t nearby = w.spawnVehicle(sim::joaat("adder"), near).handle;
    uint32_t gone = w.spawnVehicle(sim::joaat("adder"), sim::Vec3{near.x + 500.0f, near.y, near.z}).handle;
    uint32_t driven = w.spawnVehicle(sim::joaat("adder"), sim::Vec3{near.x, near.y + 500.0f, near.z}).handle;
    w.find(nearby)->vehicleState.handedBack = w.find(gone)->vehicleState.handedBack = true;
    w.find(driven)->vehicleState.handedBack = true;
    w.find(driven)->vehicleState.driver = 0x7777;
    w.advanceFrame();
    EXPECT_NE(w.find(kept), nullptr) << "a script still holds it";
    EXPECT_NE(w.find(nearby), nullptr) << "in the player's sight";
    EXPECT_EQ(w.find(gone), nullptr);
    EXPECT_NE(w.find(driven), nullptr) << "someone sits in it";
}

TEST(WorldTerrain, ClosestRoadNodeLiesOnTheGridWithinTheSearchRadius) {
    sim::World& w = testing_support::loadPlugin();
    Vector3 node{};
    float heading = -1.0f;
    ASSERT_TRUE(getClosestVehicleNodeWithHeading(130.0f, 260.0f, 0.0f, &node, &heading));
    bool northSouth = std::fmod(node.x, 400.0f) == 0.0f && std::fmod(node.y, 100.0f) == 0.0f;
    bool eastWest = std::fmod(node.y, 400.0f) == 0.0f && std::fmod(node.x, 100.0f) == 0.0f;
    EXPECT_TRUE(northSouth || eastWest);
    EXPECT_EQ(node.z, sim::terrainHeight(node.x, node.y));
    EXPECT_LT(std::hypot(node.x - 130.0f, node.y - 260.0f), 150.0f);
    EXPECT_TRUE(heading == 0.0f || heading == 90.0f || heading == 180.0f || heading == 270.0f);

    // Far out at sea, or with the roads taken away: nothing, and the outs untouched.
    Vector3 untouched{1.0f, 2.0f, 3.0f};
    heading = -1.0f;
    EXPECT_FALSE(getClosestVehicleNodeWithHeading(9000.0f, 0.0f, 0.0f, &untouched, &heading));
    w.roadlessAreas.push_back(sim::MapArea{-10000.0f, 10000.0f, -10000.0f, 10000.0f});
    EXPECT_FALSE(getClosestVehicleNodeWithHeading(130.0f, 260.0f, 0.0f, &untouched, &heading));
    EXPECT_EQ(untouched.x, 1.0f);
    EXPECT_EQ(untouched.z, 3.0f);
    EXPECT_EQ(heading, -1.0f);
}

TEST(WorldTerrain, PlacingAVehicleCarriesItsDriverAndPlacingThePedTakesHimOut) {
    sim::World& w = testing_support::loadPlugin();
    sim::Entity& car = w.spawnVehicle(sim::joaat("adder"), sim::Vec3{0.0f, 0.0f, 50.0f});
    uint32_t carHandle = car.handle;
    sim::Entity& driver = *w.player();
    driver.vehicle = carHandle;
    car.vehicleState.driver = driver.handle;

    setEntityCoordsNoOffset(carHandle, 10.0f, 20.0f, 30.0f);
    EXPECT_EQ(driver.position.x, 10.0f);
    EXPECT_EQ(driver.position.z, 30.0f);
    EXPECT_EQ(driver.vehicle, carHandle);

    setEntityCoordsNoOffset(driver.handle, 40.0f, 50.0f, 60.0f);
    EXPECT_EQ(driver.vehicle, 0u);
    EXPECT_EQ(driver.lastVehicle, carHandle);
    EXPECT_EQ(w.find(carHandle)->vehicleState.driver, 0u);
    EXPECT_EQ(w.find(carHandle)->position.x, 10.0f);
    EXPECT_FLOAT_EQ(getEntityHeightAboveGround(driver.handle), 60.0f - sim::terrainHeight(40.0f, 50.0f));
}
