#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/natives/gameplay_natives.h"
#include "host/natives/player_natives.h"
#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/entities.h"
#include "shared/percent_chance.h"
#include "shared/player_state.h"
#include "shared/table_random.h"
#include "settings/settings_record.h"
#include "sim/joaat.h"
#include "sim/roads.h"
#include "sim/terrain.h"
#include "spawn/ground_spawn.h"
#include "tests/support/call_log.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"
#include "vehicles/vehicle_spawn.h"

namespace {


// A point of dry land with low ground, near where the player stands.
constexpr float landX = -50.0f, landY = -1110.0f;

sim::World& startGame() {
    sim::World& w = testing_support::loadPlugin();
    playerState.playerPed = playerPedId();
    settings.preferred_spawn_distance = 120;
    settings.min_heli_spawn_height_over_ground = 200;
    settings.max_heli_spawn_height_over_ground = 350;
    settings.min_plane_spawn_height_over_ground = 300;
    settings.max_plane_spawn_height_over_ground = 450;
    settings.land_vehicle_type = 1;
    settings.air_vehicle_type = 1;
    return w;
}

float floatArgument(const sim::CallRecord& call, size_t i) {
    uint32_t bits = static_cast<uint32_t>(call.args.at(i));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The bounds of every random-float call, in order.
std::vector<std::pair<float, float>> randomFloatBounds(const sim::World& w) {
    std::vector<std::pair<float, float>> bounds;
    for (const sim::CallRecord& call : w.calls)
        if (call.hash == randomFloatNative) bounds.emplace_back(floatArgument(call, 0), floatArgument(call, 1));
    return bounds;
}

int firstCallIndex(const sim::World& w, uint64_t hash) {
    for (size_t i = 0; i < w.calls.size(); ++i)
        if (w.calls[i].hash == hash) return static_cast<int>(i);
    return -1;
}

int vehicleCount(const sim::World& w) {
    int count = 0;
    for (const auto& [handle, entity] : w.entities) count += entity.kind == sim::EntityKind::Vehicle;
    return count;
}

uint32_t makeVehicle(const char* name, float x, float y, float z) {
    return createVehicleAt(sim::joaat(name), Vector3{x, y, z}, 0.0f);
}

float groundBelow(float x, float y, float z) {
    float ground = 0.0f;
    getGroundZFor3dCoord(x, y, z, &ground);
    return ground;
}

void expectFailSoundTwice(const sim::World& w) {
    ASSERT_EQ(w.sounds.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(w.sounds[i].sound, "Move_Fail");
        EXPECT_EQ(w.sounds[i].soundSet, "CRANE_SOUNDS");
        EXPECT_EQ(w.sounds[i].lastArgument, i == 1);
    }
}

}  // namespace

TEST(VehicleSpawnPoints, FarPointsComeFromTheRectangleTheRollPicks) {
    sim::World& w = startGame();
    playerState.lastPlayerPosition = Vector3{0.0f, 0.0f, 0.0f};
    for (int32_t roll : {60, 61}) {
        bool large = roll == 61;
        w.calls.clear();
        w.forcedFloats = {1.0f, 1.0f, 100.0f, 200.0f, 300.0f};
        w.forcedInts = {roll};
        Vector3 air = airSpawnPoint(false);
        EXPECT_EQ(air.x, 100.0f);
        EXPECT_EQ(air.y, 200.0f);
        EXPECT_EQ(air.z, 300.0f);
        std::vector<std::pair<float, float>> expected = {{1.0f, 11.0f}, {1.0f, 11.0f}};
        expected.push_back(large ? std::make_pair(-2200.0f, 3353.0f) : std::make_pair(-1274.0f, 1420.0f));
        expected.push_back(large ? std::make_pair(-3559.0f, 6903.0f) : std::make_pair(-2200.0f, 1128.0f));
        expected.emplace_back(200.0f, 501.0f);
        EXPECT_EQ(randomFloatBounds(w), expected) << roll;

        w.calls.clear();
        w.forcedFloats = {1.0f, 1.0f, landX, landY, 500.0f};
        w.forcedInts = {roll};
        Vector3 road = roadSearchPoint(false);
        EXPECT_EQ(road.x, landX);
        EXPECT_EQ(road.y, landY);
        EXPECT_EQ(road.z, groundBelow(landX, landY, 500.0f));
        expected = {{1.0f, 11.0f}, {1.0f, 11.0f}};
        expected.push_back(large ? std::make_pair(-3747.0f, 3353.0f) : std::make_pair(-1274.0f, 1420.0f));
        expected.push_back(large ? std::make_pair(-3059.0f, 6803.0f) : std::make_pair(-2200.0f, 1128.0f));
        expected.emplace_back(0.0f, 767.0f);
        EXPECT_EQ(randomFloatBounds(w), expected) << roll;
    }
}

TEST(VehicleSpawnPoints, ClosePointKeepsTheOffsetOnlyInsideTheMap) {
    sim::World& w = startGame();
    playerState.lastPlayerPosition = Vector3{1000.0f, 2000.0f, 50.0f};
    w.forcedFloats = {1.0f, 6.0f, 333.0f};  // +84, -84, altitude
    Vector3 air = airSpawnPoint(true);
    EXPECT_EQ(air.x, 1084.0f);
    EXPECT_EQ(air.y, 1916.0f);
    EXPECT_EQ(air.z, 333.0f);
    EXPECT_EQ(w.countCalls(randomIntNative), 0);

    // 3300 + 84 is not below 3352: the rectangle roll is made.
    playerState.lastPlayerPosition = Vector3{3300.0f, 0.0f, 0.0f};
    w.calls.clear();
    w.forcedFloats = {1.0f, 1.0f, 10.0f, 20.0f, 300.0f};
    w.forcedInts = {61};
    air = airSpawnPoint(true);
    EXPECT_EQ(air.x, 10.0f);
    EXPECT_EQ(w.countCalls(randomIntNative), 1);

    // A close point over the sea: the probe may report the sea bed, which
    // serves as the search point's height.
    playerState.lastPlayerPosition = Vector3{-3600.0f, 0.0f, 0.0f};
    w.forcedFloats = {6.0f, 1.0f, 700.0f};
    Vector3 road = roadSearchPoint(true);
    EXPECT_EQ(road.x, -3684.0f);
    EXPECT_EQ(road.y, 84.0f);
    EXPECT_EQ(road.z, sim::terrainHeight(-3684.0f, 84.0f));
    // Where no ground is found, its height stays 0.
    w.groundlessAreas.push_back(sim::MapArea{-10000.0f, 10000.0f, -10000.0f, 10000.0f});
    w.forcedFloats = {6.0f, 1.0f, 700.0f};
    EXPECT_EQ(roadSearchPoint(true).z, 0.0f);
}

TEST(VehicleCreation, LoadsCreatesTurnsAndReleasesTheModel) {
    sim::World& w = startGame();
    uint32_t adder = sim::joaat("Adder");
    uint32_t start = w.tick();
    uint32_t vehicle = createVehicleAt(adder, Vector3{100.0f, 200.0f, 30.0f}, 123.0f);
    ASSERT_NE(vehicle, 0u);
    const sim::Entity* made = w.find(vehicle);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->kind, sim::EntityKind::Vehicle);
    EXPECT_EQ(made->model, adder);
    EXPECT_EQ(made->position.x, 100.0f);
    EXPECT_EQ(made->position.z, 30.0f);
    EXPECT_EQ(made->heading, 123.0f);
    EXPECT_EQ(w.releases[adder], 1);
    EXPECT_GE(w.tick() - start, w.modelLoadMilliseconds);

    // Not a vehicle model, or not in the game's data: nothing is requested or made.
    w.calls.clear();
    w.models.makeMissing("Zentorno");
    EXPECT_EQ(createVehicleAt(sim::joaat("player_zero"), Vector3{0, 0, 0}, 0.0f), 0u);
    EXPECT_EQ(createVehicleAt(sim::joaat("Zentorno"), Vector3{0, 0, 0}, 0.0f), 0u);
    EXPECT_EQ(w.countCalls(requestModelNative), 0);
    EXPECT_EQ(vehicleCount(w), 1);
}

TEST(VehicleCreation, GivesUpOnAModelThatNeverLoads) {
    sim::World& w = startGame();
    w.models.makeNeverLoading("Adder");
    uint32_t start = w.tick();
    EXPECT_EQ(createVehicleAt(sim::joaat("Adder"), Vector3{100.0f, 200.0f, 30.0f}, 0.0f), 0u);
    uint32_t waited = w.tick() - start;
    EXPECT_GE(waited, vehicleModelLoadLimitMs);
    EXPECT_LE(waited, vehicleModelLoadLimitMs + 50);
    EXPECT_EQ(w.releases[sim::joaat("Adder")], 1);
    EXPECT_EQ(vehicleCount(w), 0);
}

TEST(VehicleAltitude, KeptOnlyAtItsBandsMinimumOverTheGroundOtherwiseMovedIntoTheBand) {
    sim::World& w = startGame();
    const HeightBand helicopter{200, 350}, aeroplane{300, 450};
    float ground = groundBelow(landX, landY, 3000.0f);
    ASSERT_GT(ground, 50.0f);
    ASSERT_LT(ground, 100.0f);
    struct Case {
        const char* model;
        float altitude;
        HeightBand band;
        bool kept;
    };
    const Case cases[] = {
        // The altitude within the aeroplane band and the aircraft's own maximum,
        // and at least the band's minimum over the ground.
        {"Frogger", 320.0f, helicopter, true},  {"Frogger", 300.0f, helicopter, true},
        {"Frogger", 350.0f, helicopter, true},  {"Frogger", 250.0f, helicopter, false},
        {"Frogger", 400.0f, helicopter, false}, {"Velum", 450.0f, aeroplane, true},
        {"Velum", 460.0f, aeroplane, false},    {"Velum", 299.5f, aeroplane, false},
        // 320 lies in the aeroplane band as an altitude, but only about 260 over the ground.
        {"Velum", 320.0f, aeroplane, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.model << " " << c.altitude);
        uint32_t vehicle = makeVehicle(c.model, landX, landY, c.altitude);
        w.calls.clear();
        correctAltitude(vehicle, c.band);
        std::vector<sim::CallRecord> probes = testing_support::callsOf(w, groundHeightNative);
        ASSERT_EQ(probes.size(), 1u);
        EXPECT_EQ(floatArgument(probes[0], 2), 3000.0f) << "the ground is probed from high above";
        float z = w.find(vehicle)->position.z;
        if (c.kept) {
            EXPECT_EQ(z, c.altitude);
            EXPECT_EQ(w.countCalls(placeEntityNative), 0);
            continue;
        }
        std::vector<std::pair<float, float>> bounds = randomFloatBounds(w);
        ASSERT_EQ(bounds.size(), 1u);
        EXPECT_EQ(bounds[0].first, static_cast<float>(c.band.minimum) + ground);
        EXPECT_EQ(bounds[0].second, static_cast<float>(c.band.maximum) + ground + 1.0f);
        EXPECT_GE(z, static_cast<float>(c.band.minimum) + ground + 0.2f);
        EXPECT_LE(z, static_cast<float>(c.band.maximum) + ground + 1.2f);
    }

    // A helicopter is held to the aeroplane band's altitudes too.
    settings.min_plane_spawn_height_over_ground = 330;
    uint32_t held = makeVehicle("Frogger", landX, landY, 320.0f);
    correctAltitude(held, helicopter);
    EXPECT_NE(w.find(held)->position.z, 320.0f);
}

TEST(VehicleAltitude, AircraftMadeInsideAHillIsLiftedAboveIt) {
    sim::World& w = startGame();
    // Near the summit the ground lies far above the altitude the aircraft is made at.
    const float summitX = 500.0f, summitY = 5300.0f;
    float ground = sim::terrainHeight(summitX, summitY);
    ASSERT_GT(ground, 600.0f);
    for (const char* model : {"Frogger", "Velum"}) {
        uint32_t vehicle = makeVehicle(model, summitX, summitY, 320.0f);
        correctAltitude(vehicle, HeightBand{300, 350});
        float z = w.find(vehicle)->position.z;
        EXPECT_GE(z, ground + 300.0f) << model;
        EXPECT_LE(z, ground + 351.2f) << model;
    }
    // Over the sea the ground probe finds the bed, the water query the
    // surface above it: the band counts from the sea level.
    uint32_t overSea = makeVehicle("Frogger", -3700.0f, 0.0f, 150.0f);
    ASSERT_FALSE(sim::isDryLand(-3700.0f, 0.0f));
    ASSERT_LT(sim::terrainHeight(-3700.0f, 0.0f), -20.0f);
    w.calls.clear();
    correctAltitude(overSea, HeightBand{200, 350});
    EXPECT_EQ(randomFloatBounds(w), (std::vector<std::pair<float, float>>{{200.0f, 351.0f}}));
    EXPECT_GE(w.find(overSea)->position.z, 200.2f);
    EXPECT_LE(w.find(overSea)->position.z, 351.2f);
    // Over the lake, whose surface lies above the sea level, it counts from the water.
    uint32_t overLake = makeVehicle("Frogger", 2000.0f, 4250.0f, 100.0f);
    ASSERT_FALSE(sim::isDryLand(2000.0f, 4250.0f));
    correctAltitude(overLake, HeightBand{200, 200});
    EXPECT_GE(w.find(overLake)->position.z, sim::lakeLevel + 200.2f);
    EXPECT_LE(w.find(overLake)->position.z, sim::lakeLevel + 201.2f);
}

TEST(SpawnInAir, AircraftIsMadeOnceTheCollisionUnderItHasStreamedIn) {
    sim::World& w = startGame();
    settings.air_vehicle_type = 2;  // helicopters
    const float hillX = 500.0f, hillY = 4700.0f;
    float ground = sim::terrainHeight(hillX, hillY);
    ASSERT_GT(ground, 501.0f) << "every altitude the spawn draws lies inside the hill";
    w.unstreamedAreas.push_back(sim::StreamingArea{sim::MapArea{0.0f, 1000.0f, 4200.0f, 5200.0f}});
    playerState.lastPlayerPosition = Vector3{hillX - 84.0f, hillY - 84.0f, 0.0f};
    // The collision arrives some frames after the scene load: the probe waits
    // for it, and only then is the aircraft made and lifted over the hill.
    for (uint32_t frames : {1u, 30u}) {
        w.sceneLoadMaxFrames = frames;
        w.unstreamedAreas[0].loaded = false;
        w.unstreamedAreas[0].sceneLoadFrame = 0;
        w.calls.clear();
        w.forcedFloats = {1.0f, 1.0f, 320.0f, 0.0f};  // offsets +84, +84; altitude; heading
        uint32_t start = w.tick();
        spawnInAir(true);
        const sim::Entity* aircraft = w.find(w.player()->vehicle);
        ASSERT_NE(aircraft, nullptr);
        EXPECT_EQ(aircraft->position.x, hillX);
        EXPECT_GE(aircraft->position.z, ground + 200.0f);
        EXPECT_LE(aircraft->position.z, ground + 351.2f);
        long load = testing_support::firstCallIndex(w, 0x4448EB75B4904BDBull);
        long made = testing_support::firstCallIndex(w, 0xAF35D0D2583051B0ull);
        ASSERT_GE(load, 0);
        EXPECT_GT(made, load);
        std::vector<sim::CallRecord> probes = testing_support::callsOf(w, groundHeightNative);
        ASSERT_GE(probes.size(), 3u) << "a probe, at least one after the load, and the aircraft's";
        EXPECT_LE(w.tick() - start, 700u) << "at most 30 frames of streaming, probed every 100 ms";
        w.removeEntity(aircraft->handle);
        w.player()->vehicle = 0;
        w.player()->position = sim::Vec3{landX, landY, sim::terrainHeight(landX, landY)};
    }

    // Collision that never comes: 20 probes 100 ms apart after the scene load,
    // then the aircraft is made all the same and its band counts from what
    // the game reports as its height above the ground.
    w.sceneLoadMaxFrames = 100000;
    w.unstreamedAreas[0].loaded = false;
    w.unstreamedAreas[0].sceneLoadFrame = 0;
    w.calls.clear();
    w.forcedFloats = {1.0f, 1.0f, 320.0f, 0.0f};
    uint32_t start = w.tick();
    spawnInAir(true);
    EXPECT_EQ(testing_support::callsOf(w, groundHeightNative).size(), 22u);
    EXPECT_GE(w.tick() - start, 2000u);
    EXPECT_LE(w.tick() - start, 2200u);
    const sim::Entity* aircraft = w.find(w.player()->vehicle);
    ASSERT_NE(aircraft, nullptr);
    EXPECT_GE(aircraft->position.z, 200.2f);
}

TEST(SpawnInAir, DeathsOnTheSummitWithTheBuiltInCloseChanceNeverBuryTheAircraft) {
    sim::World& w = startGame();
    settings.air_vehicle_type = 3;  // planes or helicopters
    playerState.lastPlayerPosition = Vector3{500.0f, 5300.0f, 700.0f};
    int lowest = 0;
    for (int spawn = 0; spawn < 100; ++spawn) {
        spawnInAir(true);
        const sim::Entity* aircraft = w.find(w.player()->vehicle);
        ASSERT_NE(aircraft, nullptr);
        bool plane = w.models.find(aircraft->model)->kind == sim::ModelKind::Plane;
        float overGround = aircraft->position.z - sim::terrainHeight(aircraft->position.x, aircraft->position.y);
        EXPECT_GE(overGround, plane ? 300.0f : 200.0f) << spawn;
        lowest += overGround < (plane ? 300.0f : 200.0f);
        w.removeEntity(aircraft->handle);
        w.player()->vehicle = 0;
    }
    EXPECT_EQ(lowest, 0);
}

TEST(SpawnInAir, AircraftStartsInTheAirWhateverTheFourHeightKeysHold) {
    struct Case {
        int32_t minimum, maximum;
        float lowest, highest;  // over the ground, before the 0.2 and the one unit of the draw's end
    };
    const Case cases[] = {
        {400, 300, 300.0f, 400.0f},       // reversed: turned round
        {-1, -1, 200.0f, 350.0f},         // missing: the built-in band
        {0, 0, 50.0f, 50.0f},             // on the ground: lifted clear of it
        {INT_MIN, INT_MAX, 200.0f, 2000.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minimum << " " << c.maximum);
        sim::World& w = startGame();
        settings.air_vehicle_type = 5;  // armed helicopters
        settings.min_heli_spawn_height_over_ground = c.minimum;
        settings.max_heli_spawn_height_over_ground = c.maximum;
        settings.min_plane_spawn_height_over_ground = c.minimum;
        settings.max_plane_spawn_height_over_ground = c.maximum;
        w.forcedInts = {61};
        w.forcedFloats = {1.0f, 1.0f, landX, landY, 450.0f, 10.0f};
        spawnInAir(false);
        const sim::Entity* helicopter = w.find(w.player()->vehicle);
        ASSERT_NE(helicopter, nullptr);
        float overGround = helicopter->position.z - sim::terrainHeight(landX, landY);
        EXPECT_GE(overGround, c.lowest + 0.2f);
        EXPECT_LE(overGround, c.highest + 1.2f);
    }
}

TEST(VehicleCustomisation, SetsKitTogglesPlateNeonColoursAndMods) {
    sim::World& w = startGame();
    uint32_t vehicle = makeVehicle("Kuruma", landX, landY, 40.0f);
    ASSERT_NE(vehicle, 0u);
    sim::VehicleState& state = w.find(vehicle)->vehicleState;
    // Toggles 18 (70 >= 70 on), 20 (30 >= 31 off), 17 (on), neon (on).
    w.forcedInts = {70, 31, 30, 30};
    // Plate style, neon blue, green, red, paint types.
    w.forcedFloats = {5.9f, 10.5f, 20.5f, 30.5f, 3.7f, 2.2f};
    customiseVehicle(vehicle);
    EXPECT_EQ(state.modKit, 0);
    EXPECT_TRUE(state.toggles[18]);
    EXPECT_FALSE(state.toggles[20]);
    EXPECT_TRUE(state.toggles[17]);
    EXPECT_EQ(state.plateStyle, 5);
    EXPECT_EQ(state.plateText, "KURUMA");
    EXPECT_EQ(state.neonLights, (std::set<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(state.neonBlue, 10);
    EXPECT_EQ(state.neonGreen, 20);
    EXPECT_EQ(state.neonRed, 30);
    // The modification colours are the vehicle's extra colours (pearlescent
    // and wheel), not its primary and secondary ones.
    EXPECT_EQ(state.modColour1PaintType, 3);
    EXPECT_EQ(state.modColour1, state.pearlescentColour);
    EXPECT_EQ(state.modColour2PaintType, 2);
    EXPECT_EQ(state.modColour2, state.wheelColour);
    EXPECT_NE(state.pearlescentColour, state.primaryColour);
    EXPECT_NE(state.wheelColour, state.secondaryColour);
    // Every slot from 0 to 13, 15, 16, 23 and 24 that offers modifications.
    std::set<int32_t> slots, expectedSlots;
    for (const auto& [slot, index] : state.mods) {
        slots.insert(slot);
        EXPECT_GE(index, 0);
        EXPECT_LT(index, state.modCounts[slot]);
    }
    for (int32_t slot : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 23, 24})
        if (state.modCounts[slot] > 0) expectedSlots.insert(slot);
    EXPECT_GE(expectedSlots.size(), 10u);
    EXPECT_EQ(slots, expectedSlots);

    // No neon without the chance; an exempt model keeps slots 23 and 24.
    uint32_t armed = makeVehicle("KURUMA2", landX, landY, 40.0f);
    for (int32_t slot : {16, 23, 24}) w.find(armed)->vehicleState.modCounts[slot] = 3;
    w.forcedInts = {1, 1, 1, 31};
    customiseVehicle(armed);
    const sim::VehicleState& armedState = w.find(armed)->vehicleState;
    EXPECT_TRUE(armedState.neonLights.empty());
    EXPECT_EQ(armedState.neonRed, -1);
    EXPECT_EQ(armedState.plateText, "KURUMA2");
    EXPECT_EQ(armedState.mods.count(16), 1u);
    EXPECT_EQ(armedState.mods.count(23), 0u);
    EXPECT_EQ(armedState.mods.count(24), 0u);
    EXPECT_TRUE(isSlotExempt(armed));
    EXPECT_FALSE(isSlotExempt(vehicle));
    EXPECT_FALSE(isSlotExempt(0));

    // The plate gets the whole display name; the game shows what fits.
    uint32_t longName = makeVehicle("Cognoscenti2", landX, landY, 40.0f);
    w.calls.clear();
    customiseVehicle(longName);
    int plateCall = firstCallIndex(w, plateTextNative);
    ASSERT_GE(plateCall, 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(static_cast<uintptr_t>(w.calls[plateCall].args[1])), "COGNOSCENTI2");
}

TEST(VehicleCustomisation, ModSlotIndexIsAValidOneAndEmptySlotsAndDeadVehiclesAreLeftAlone) {
    sim::World& w = startGame();
    uint32_t vehicle = makeVehicle("Adder", landX, landY, 40.0f);
    sim::VehicleState& state = w.find(vehicle)->vehicleState;
    // A slot with 4 modifications draws from 0 to 3; one with INT_MAX draws
    // without overflowing the end of the range.
    state.modCounts[5] = 4;
    state.modCounts[7] = INT_MAX;
    w.calls.clear();
    randomiseModSlot(vehicle, 5);
    randomiseModSlot(vehicle, 7);
    std::vector<sim::CallRecord> draws = testing_support::callsOf(w, randomIntNative);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].args[0], 0u);
    EXPECT_EQ(draws[0].args[1], 4u);
    EXPECT_EQ(static_cast<int32_t>(draws[1].args[1]), INT_MAX);
    EXPECT_GE(state.mods[5], 0);
    EXPECT_LT(state.mods[5], 4);
    EXPECT_GE(state.mods[7], 0);

    // Without modifications nothing is drawn or set.
    state.modCounts[8] = 0;
    w.calls.clear();
    randomiseModSlot(vehicle, 8);
    EXPECT_EQ(state.mods.count(8), 0u);
    EXPECT_EQ(w.countCalls(randomIntNative), 0);

    w.find(vehicle)->dead = true;
    w.calls.clear();
    randomiseModSlot(vehicle, 6);
    customiseVehicle(vehicle);
    customiseVehicle(0);
    EXPECT_EQ(state.mods.count(6), 0u);
    EXPECT_EQ(state.modKit, -1);
    EXPECT_EQ(w.countCalls(randomIntNative), 0);
}

TEST(VehicleHelpers, SeatChanceAndEntityChecks) {
    sim::World& w = startGame();
    uint32_t vehicle = makeVehicle("Adder", landX, landY, 40.0f);
    seatPedInVehicle(playerState.playerPed, vehicle);
    EXPECT_EQ(w.player()->vehicle, vehicle);
    EXPECT_EQ(w.find(vehicle)->vehicleState.driver, playerState.playerPed);
    EXPECT_EQ(w.player()->tasksCleared, 1);
    EXPECT_TRUE(w.sounds.empty());

    seatPedInVehicle(playerState.playerPed, 0);
    expectFailSoundTwice(w);
    w.sounds.clear();
    seatPedInVehicle(0, vehicle);
    EXPECT_EQ(w.sounds.size(), 2u);
    w.sounds.clear();
    seatPedInVehicle(0xDEAD, vehicle);
    EXPECT_EQ(w.sounds.size(), 2u);

    w.calls.clear();
    w.forcedInts = {70, 71};
    EXPECT_TRUE(percentChance(70));
    EXPECT_FALSE(percentChance(70));
    EXPECT_EQ(w.calls[0].args[0], 1u);
    EXPECT_EQ(w.calls[0].args[1], 101u);

    EXPECT_TRUE(isEntityAlive(vehicle));
    w.find(vehicle)->dead = true;
    EXPECT_FALSE(isEntityAlive(vehicle));
    EXPECT_TRUE(isExistingEntity(vehicle)) << "a wreck still exists";
    EXPECT_FALSE(isEntityAlive(0));
    w.calls.clear();
    EXPECT_FALSE(isExistingEntity(0));
    EXPECT_TRUE(w.calls.empty()) << "handle 0 is never asked about";
    EXPECT_FALSE(isExistingEntity(0xDEAD));
}

TEST(SpawnInAir, AeroplaneIsSeatedMovedIntoItsBandAndSpedUp) {
    sim::World& w = startGame();
    settings.air_vehicle_type = 4;  // armed planes
    w.forcedInts = {61};
    w.forcedFloats = {1.0f, 1.0f, landX, landY, 460.0f, 90.0f};
    spawnInAir(false);
    const sim::Entity* player = w.player();
    const sim::Entity* plane = w.find(player->vehicle);
    ASSERT_NE(plane, nullptr);
    EXPECT_EQ(plane->vehicleState.driver, playerState.playerPed);
    EXPECT_TRUE(plane->vehicleState.engineOn);
    EXPECT_EQ(plane->vehicleState.landingGear, 3);
    EXPECT_EQ(plane->heading, 90.0f);
    EXPECT_FALSE(plane->vehicleState.plateText.empty());
    EXPECT_GE(plane->vehicleState.forwardSpeed, 55.0f);
    EXPECT_LE(plane->vehicleState.forwardSpeed, 61.0f);
    float ground = groundBelow(landX, landY, 460.0f);
    EXPECT_GE(plane->position.z, ground + 300.2f);
    EXPECT_LE(plane->position.z, ground + 451.2f);
    // Seated first, the player was carried along by the move.
    EXPECT_LT(firstCallIndex(w, setPedIntoVehicleNative), firstCallIndex(w, placeEntityNative));
    EXPECT_EQ(player->position.z, plane->position.z);
    EXPECT_TRUE(w.sounds.empty());
}

TEST(SpawnInAir, HelicopterInItsBandStaysAndGetsNoSpeed) {
    sim::World& w = startGame();
    settings.air_vehicle_type = 5;  // armed helicopters
    w.forcedInts = {61};
    w.forcedFloats = {1.0f, 1.0f, landX, landY, 320.0f, 10.0f};
    spawnInAir(false);
    const sim::Entity* helicopter = w.find(w.player()->vehicle);
    ASSERT_NE(helicopter, nullptr);
    EXPECT_EQ(helicopter->position.z, 320.0f);
    EXPECT_EQ(w.countCalls(forwardSpeedNative), 0);
    EXPECT_EQ(helicopter->vehicleState.landingGear, 3);
    EXPECT_TRUE(helicopter->vehicleState.engineOn);
}

TEST(SpawnInAir, ModelMissingFromTheGameLeavesThePlayerOnFoot) {
    sim::World& w = startGame();
    settings.air_vehicle_type = 5;
    for (const char* name : {"Akula", "Annihilator", "Buzzard", "Hunter", "Savage", "Seasparrow", "Valkyrie",
                             "Valkyrie2"})
        w.models.makeMissing(name);
    spawnInAir(true);
    expectFailSoundTwice(w);
    EXPECT_EQ(w.player()->vehicle, 0u);
    EXPECT_EQ(vehicleCount(w), 0);
    EXPECT_EQ(w.countCalls(requestModelNative), 0);
    EXPECT_EQ(w.countCalls(landingGearNative), 0);
}

TEST(SpawnOnRoad, PlayerDrivesAStartedVehicleStandingOnARoadNode) {
    sim::World& w = startGame();
    settings.land_vehicle_type = 10;  // super cars
    playerState.lastPlayerPosition = Vector3{landX, landY, 30.0f};
    spawnInVehicleOnRoad(true);
    const sim::Entity* car = w.find(w.player()->vehicle);
    ASSERT_NE(car, nullptr);
    EXPECT_EQ(car->vehicleState.driver, playerState.playerPed);
    EXPECT_TRUE(car->vehicleState.engineOn);
    EXPECT_TRUE(car->vehicleState.placedOnGround);
    EXPECT_EQ(w.releases[car->model], 1);
    sim::RoadNode node;
    ASSERT_TRUE(sim::closestRoadNode(w, car->position, &node));
    EXPECT_EQ(node.position.x, car->position.x);
    EXPECT_EQ(node.position.y, car->position.y);
    EXPECT_EQ(node.heading, car->heading);
    EXPECT_EQ(w.player()->position.z, car->position.z);
    EXPECT_TRUE(w.sounds.empty());
}

TEST(SpawnOnRoad, ModelMissingFromTheGamePlaysTheFailSound) {
    sim::World& w = startGame();
    settings.land_vehicle_type = 5;  // armed bikes
    playerState.lastPlayerPosition = Vector3{landX, landY, 30.0f};
    w.models.makeMissing("Oppressor");
    w.models.makeMissing("Blazer5");
    spawnInVehicleOnRoad(true);
    expectFailSoundTwice(w);
    EXPECT_EQ(w.player()->vehicle, 0u);
    EXPECT_EQ(vehicleCount(w), 0);
    EXPECT_EQ(w.countCalls(requestModelNative), 0);
}

TEST(SpawnOnRoad, ModelThatNeverLoadsIsGivenUpAndReleased) {
    sim::World& w = startGame();
    settings.land_vehicle_type = 5;
    playerState.lastPlayerPosition = Vector3{landX, landY, 30.0f};
    w.models.makeNeverLoading("Oppressor");
    w.models.makeNeverLoading("Blazer5");
    uint32_t start = w.tick();
    spawnInVehicleOnRoad(true);
    EXPECT_GE(w.tick() - start, vehicleModelLoadLimitMs);
    EXPECT_LE(w.tick() - start, vehicleModelLoadLimitMs + 100);
    expectFailSoundTwice(w);
    EXPECT_EQ(w.releases[sim::joaat("Oppressor")] + w.releases[sim::joaat("Blazer5")], 1);
    EXPECT_EQ(w.player()->vehicle, 0u);
    EXPECT_EQ(vehicleCount(w), 0);
}

TEST(SpawnOnRoad, NoRoadNodeInTwentyAttemptsDoesNothing) {
    sim::World& w = startGame();
    w.roadlessAreas.push_back(sim::MapArea{-10000.0f, 10000.0f, -10000.0f, 10000.0f});
    sim::Vec3 before = w.player()->position;
    for (bool closePoint : {true, false}) {
        w.calls.clear();
        playerState.lastPlayerPosition = Vector3{landX, landY, 30.0f};
        spawnInVehicleOnRoad(closePoint);
        EXPECT_EQ(w.countCalls(closestRoadNodeNative), 20);
        // Every attempt draws new offsets and a probe height; a far point also a roll.
        EXPECT_EQ(w.countCalls(randomFloatNative), closePoint ? 60 : 100);
        EXPECT_EQ(w.countCalls(randomIntNative), closePoint ? 0 : 20);
    }
    EXPECT_EQ(tableRandom(), 41);  // no model was drawn since the seed
    EXPECT_TRUE(w.sounds.empty());
    EXPECT_EQ(vehicleCount(w), 0);
    EXPECT_EQ(w.player()->position.x, before.x);
    EXPECT_EQ(w.player()->position.y, before.y);
}
