// The respawn after death and the respawn on demand, with their shared move.
#include <gtest/gtest.h>

#include <string>

#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "shared/table_random.h"
#include "respawn/respawn_sequences.h"
#include "settings_io/settings_store.h"
#include "sim/joaat.h"
#include "skin/skin_tables.h"
#include "spawn/ground_spawn.h"
#include "tests/support/call_log.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::callsOf;
using testing_support::firstCallIndex;

constexpr uint32_t scriptedCamera = 0x2000;
const char* const otherSkin = "a_m_y_hipster_01";

enum class Spawn { ListPoint, VehicleOnRoad, Nowhere };

// A game as the plug-in sees it at script start, with the built-in settings
// and every spawn going the given way.
sim::World& gameSpawning(Spawn spawn) {
    sim::World& w = testing_support::loadPlugin();
    applyBuiltInSettings();
    captureStartState();
    playerState.lastPlayerPosition = Vector3{w.player()->position.x, w.player()->position.y, w.player()->position.z};
    settings.in_air_player_spawn_chance = 0;
    settings.random_point_on_map_spawn_chance = 0;
    settings.on_point_from_list_player_spawn_chance = spawn == Spawn::ListPoint ? 100 : 0;
    settings.in_vehicle_on_road_player_spawn_chance = spawn == Spawn::ListPoint ? 0 : 100;
    settings.on_close_point_player_spawn_chance = 0;
    // No road anywhere: the road spawn finds no node and leaves the player where he is.
    if (spawn == Spawn::Nowhere) w.roadlessAreas.push_back(sim::MapArea{-1e6f, 1e6f, -1e6f, 1e6f});
    return w;
}

sim::Vec3 playerPosition(sim::World& w) { return w.player()->position; }

bool samePlace(sim::Vec3 a, sim::Vec3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

}  // namespace

TEST(RespawnOnDemand, DeadPlayerOnlyHearsTheFailSound) {
    sim::World& w = gameSpawning(Spawn::ListPoint);
    w.player()->dead = true;
    sim::Vec3 before = playerPosition(w);
    EXPECT_FALSE(respawnOnDemand(true));
    EXPECT_TRUE(samePlace(before, playerPosition(w)));
    ASSERT_FALSE(w.sounds.empty());
    EXPECT_EQ(w.sounds.back().sound, "Move_Fail");
}

TEST(RespawnOnDemand, SkinOptionByValueOnlyWithOnDemandOptions) {
    for (int32_t value : {-1, 0, 1, 2, 3, 4}) {
        for (bool applyOptions : {true, false}) {
            sim::World& w = gameSpawning(Spawn::ListPoint);
            playerState.lastPlayerModel = sim::joaat(otherSkin);
            settings.player_ped_skin_upon_respawn = value;
            seedTableRandom(77);
            uint32_t randomSkin = randomSkinModels[tableRandom() % randomSkinModelCount];
            seedTableRandom(77);
            sim::Vec3 before = playerPosition(w);
            EXPECT_TRUE(respawnOnDemand(applyOptions));
            SCOPED_TRACE(testing::Message() << "value " << value << " options " << applyOptions);
            EXPECT_FALSE(samePlace(before, playerPosition(w))) << "moved";
            uint32_t expected = sim::joaat("player_zero");
            if (applyOptions && value == 2) expected = randomSkin;
            if (applyOptions && value == 3) expected = sim::joaat(otherSkin);
            EXPECT_EQ(w.player()->model, expected);
            long skinChange = firstCallIndex(w, setPlayerModelNative);
            if (skinChange >= 0) {
                EXPECT_LT(skinChange, firstCallIndex(w, placeEntityNative)) << "the skin changes before the move";
            }
        }
    }
}

TEST(RespawnOnDemand, WeaponsAndArmourOptionsByValue) {
    const struct {
        int32_t value;
        bool applyOptions;
        bool weapons;
        bool armour;
    } cases[] = {{0, true, false, false}, {1, true, true, true},   {2, true, true, false},
                 {3, true, false, true},  {4, true, false, false}, {1, false, false, false}};
    for (const auto& c : cases) {
        sim::World& w = gameSpawning(Spawn::ListPoint);
        settings.weapons_and_armor_settings_affecting_respawn_on_demand = c.value;
        settings.get_all_weapons_upon_respawn = 1;
        settings.get_full_armor_upon_respawn = 1;
        respawnOnDemand(c.applyOptions);
        SCOPED_TRACE(testing::Message() << "value " << c.value << " options " << c.applyOptions);
        EXPECT_EQ(!w.player()->weapons.empty(), c.weapons);
        EXPECT_EQ(w.player()->armour, c.armour ? 100 : 0);
    }
}

TEST(MoveToNewSpawn, AfterDeathDropsTheRenderingCameraBeforeSettling) {
    sim::World& w = gameSpawning(Spawn::ListPoint);
    w.screen.renderingCamera = scriptedCamera;
    moveToNewSpawn(true);
    EXPECT_TRUE(w.screen.camerasSwitchedOff.count(scriptedCamera));
    EXPECT_TRUE(w.screen.camerasDestroyed.count(scriptedCamera));
    std::vector<sim::CallRecord> switches = callsOf(w, switchCameraOffNative);
    ASSERT_EQ(switches.size(), 1u);
    EXPECT_EQ(switches[0].args[1], 0u);
    EXPECT_EQ(callsOf(w, destroyCameraNative)[0].args[1], 1u);
    long destroyed = firstCallIndex(w, destroyCameraNative);
    long heading = firstCallIndex(w, relativeHeadingNative, static_cast<size_t>(destroyed));
    EXPECT_GT(heading, destroyed) << "the camera angles are reset after the drop";
}

TEST(MoveToNewSpawn, OnDemandLeavesTheCamerasAlone) {
    sim::World& w = gameSpawning(Spawn::ListPoint);
    w.screen.renderingCamera = scriptedCamera;
    sim::Vec3 before = playerPosition(w);
    uint32_t start = w.tick();
    moveToNewSpawn(false);
    EXPECT_FALSE(samePlace(before, playerPosition(w)));
    EXPECT_TRUE(callsOf(w, switchCameraOffNative).empty());
    EXPECT_TRUE(callsOf(w, destroyCameraNative).empty());
    EXPECT_GE(w.tick() - start, 1250u) << "the wait before the vehicle is handed back";
}

TEST(MoveToNewSpawn, NoMoveOnlyResetsTheCameraAngles) {
    for (bool afterDeath : {true, false}) {
        sim::World& w = gameSpawning(Spawn::Nowhere);
        w.screen.renderingCamera = scriptedCamera;
        w.screen.relativeHeading = 40.0f;
        sim::Vec3 before = playerPosition(w);
        uint32_t start = w.tick();
        moveToNewSpawn(afterDeath);
        SCOPED_TRACE(afterDeath ? "after death" : "on demand");
        EXPECT_TRUE(samePlace(before, playerPosition(w)));
        EXPECT_TRUE(callsOf(w, switchCameraOffNative).empty());
        EXPECT_EQ(w.screen.relativeHeading, 0.0f);
        std::vector<sim::CallRecord> pitches = callsOf(w, relativePitchNative);
        ASSERT_EQ(pitches.size(), 1u);
        EXPECT_EQ(pitches[0].args[0], 0u);
        EXPECT_EQ(pitches[0].args[1], 0x4E7E0000u);
        EXPECT_LT(w.tick() - start, 1250u) << "no wait for a vehicle";
        EXPECT_FALSE(playerState.autoDriveActive);
    }
}

TEST(MoveToNewSpawn, VehicleDrivesOffByItselfAndIsHandedBack) {
    sim::World& w = gameSpawning(Spawn::VehicleOnRoad);
    moveToNewSpawn(false);
    sim::Entity* vehicle = w.find(w.player()->vehicle);
    ASSERT_NE(vehicle, nullptr);
    EXPECT_TRUE(playerState.autoDriveActive);
    EXPECT_TRUE(w.player()->driving);
    EXPECT_EQ(w.player()->driveSpeed, 70.0f);
    EXPECT_EQ(w.player()->driveStyle, 786603);
    EXPECT_TRUE(vehicle->vehicleState.handedBack);
    sim::Vec3 handedBackAt = vehicle->position;
    w.advanceFrame();
    EXPECT_FALSE(samePlace(handedBackAt, vehicle->position)) << "it keeps driving";
}

TEST(MoveToNewSpawn, PlayerOnFootLeavesAutoDriveAsItWas) {
    for (bool before : {true, false}) {
        sim::World& w = gameSpawning(Spawn::ListPoint);
        playerState.autoDriveActive = before;
        moveToNewSpawn(false);
        EXPECT_EQ(w.player()->vehicle, 0u);
        EXPECT_EQ(playerState.autoDriveActive, before);
        EXPECT_FALSE(w.player()->driving);
    }
}

TEST(RespawnAfterDeath, SoundsComeBeforeTheSkinAndTheFadeInComesLast) {
    sim::World& w = gameSpawning(Spawn::ListPoint);
    playerState.lastPlayerModel = sim::joaat(otherSkin);
    EXPECT_TRUE(respawnAfterDeath()) << "the skin was restored";
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
    std::vector<sim::CallRecord> sounds = callsOf(w, playSoundNative);
    ASSERT_GE(sounds.size(), 3u);
    const char* names[] = {"Zoom_In", "Zoom_Left", "Zoom_Out"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(w.sounds[i].sound, names[i]);
        EXPECT_EQ(w.sounds[i].soundSet, "DLC_HEIST_PLANNING_BOARD_SOUNDS");
        EXPECT_TRUE(w.sounds[i].lastArgument);
        EXPECT_EQ(static_cast<int32_t>(sounds[i].args[0]), -1);
    }
    EXPECT_LT(firstCallIndex(w, playSoundNative), firstCallIndex(w, setPlayerModelNative));
    ASSERT_EQ(w.calls.back().hash, fadeInNative);
    EXPECT_EQ(w.calls.back().args[0], 500u);
}

TEST(RespawnAfterDeath, StoryCharacterKeepsHisSkin) {
    sim::World& w = gameSpawning(Spawn::ListPoint);
    playerState.lastPlayerModel = sim::joaat("player_two");
    EXPECT_FALSE(respawnAfterDeath());
    EXPECT_TRUE(callsOf(w, setPlayerModelNative).empty());
}
