// Changing, restoring, tracking and randomising the player's skin.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "shared/table_random.h"
#include "settings/settings_record.h"
#include "sim/joaat.h"
#include "sim/model_catalogue.h"
#include "skin/player_skin.h"
#include "skin/skin_tables.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

const char* const couldNotLoad = "Check/change stored_last_used_skin in Pelorin.ini. Could not load";

sim::Entity& player(sim::World& w) { return *w.player(); }

// The plug-in's view of the player as at script start.
sim::World& startedGame() {
    sim::World& w = testing_support::loadPlugin();
    captureStartState();
    return w;
}

// Moves the clock on by exactly this many milliseconds.
void advanceMilliseconds(sim::World& w, uint32_t milliseconds) {
    double frame = w.frameMilliseconds;
    w.frameMilliseconds = milliseconds;
    w.advanceFrame();
    w.frameMilliseconds = frame;
}

int countNotifications(const sim::World& w, const std::string& text) {
    int count = 0;
    for (const std::string& shown : w.notifications) count += shown == text;
    return count;
}

}  // namespace

TEST(SkinTables, RandomSkinsAreDistinctHumanPedsWithoutExceptions) {
    EXPECT_EQ(randomSkinModels[0], 0x400AEC41u);
    EXPECT_EQ(randomSkinModels[1], 0x89768941u);
    EXPECT_EQ(randomSkinModels[700], 0xAC4B4506u);
    // People where three apes stood.
    EXPECT_EQ(randomSkinModels[111], sim::joaat("a_m_m_business_01"));
    EXPECT_EQ(randomSkinModels[112], sim::joaat("a_m_y_business_02"));
    EXPECT_EQ(randomSkinModels[113], sim::joaat("cs_carbuyer"));
    std::set<uint32_t> distinct(randomSkinModels, randomSkinModels + randomSkinModelCount);
    EXPECT_EQ(distinct.size(), 701u);
    for (const char* story : {"player_zero", "player_one", "player_two"}) EXPECT_TRUE(distinct.count(sim::joaat(story)));
    for (const char* exception : skinExceptionModels) EXPECT_FALSE(distinct.count(sim::joaat(exception))) << exception;
    sim::ModelCatalogue catalogue;
    for (uint32_t model : randomSkinModels) {
        const sim::ModelInfo* info = catalogue.find(model);
        ASSERT_NE(info, nullptr) << std::hex << model;
        EXPECT_TRUE(info->kind == sim::ModelKind::Ped && info->human) << info->name;
    }
}

TEST(SkinTables, ExceptionsAreEveryBirdFishAndSeaAnimalOfTheGame) {
    const sim::ModelCatalogue catalogue;
    std::set<uint32_t> swimmersAndFliers;
    catalogue.forEach([&](uint32_t hash, const sim::ModelInfo& info) {
        if (info.animalMotion == "bird" || info.animalMotion == "fish") swimmersAndFliers.insert(hash);
    });
    std::set<uint32_t> exceptions;
    for (const char* exception : skinExceptionModels) exceptions.insert(sim::joaat(exception));
    EXPECT_EQ(exceptions, swimmersAndFliers);
    EXPECT_TRUE(exceptions.count(sim::joaat("a_c_stingray")));
}

TEST(PlayerSkin, StoryCharactersAreTheThreePlayers) {
    testing_support::loadPlugin();
    EXPECT_TRUE(isStoryCharacter(sim::joaat("player_zero")));
    EXPECT_TRUE(isStoryCharacter(sim::joaat("player_one")));
    EXPECT_TRUE(isStoryCharacter(sim::joaat("player_two")));
    EXPECT_FALSE(isStoryCharacter(sim::joaat("a_m_y_hipster_01")));
    EXPECT_FALSE(isStoryCharacter(0));
}

TEST(PlayerSkin, RandomSkinIsTheTableEntryOfTheRuntimeSequence) {
    sim::World& w = testing_support::loadPlugin();
    seedTableRandom(1);
    uint32_t state = 1;
    for (int draw = 0; draw < 5; ++draw) {
        state = state * 214013u + 2531011u;
        int32_t index = static_cast<int32_t>((state >> 16) & 0x7FFF) % 701;
        EXPECT_EQ(pickRandomSkin(), randomSkinModels[index]) << "draw " << draw;
    }
    EXPECT_EQ(w.nativeCallCount, 0u);
}

TEST(PlayerSkin, ChangeGivesANewPedAndRefreshesTheHandles) {
    sim::World& w = startedGame();
    settings.set_skin_component_variation = 0;
    uint32_t oldPed = w.playerPed;
    uint32_t hipster = sim::joaat("a_m_y_hipster_01");
    changePlayerSkin(hipster);
    EXPECT_NE(w.playerPed, oldPed);
    EXPECT_EQ(player(w).model, hipster);
    EXPECT_EQ(playerState.playerPed, w.playerPed);
    EXPECT_EQ(playerState.playerId, w.playerId);
    EXPECT_EQ(w.releases[hipster], 1);
    EXPECT_TRUE(w.notifications.empty());
    // Left untouched with a variation setting other than 1 and 2.
    EXPECT_EQ(player(w).variation, sim::ComponentVariation::Untouched);
}

TEST(PlayerSkin, ComponentVariationFollowsTheSetting) {
    const sim::ComponentVariation expected[] = {sim::ComponentVariation::Untouched, sim::ComponentVariation::Default,
                                                sim::ComponentVariation::Random, sim::ComponentVariation::Untouched};
    for (int32_t value = 0; value <= 3; ++value) {
        sim::World& w = startedGame();
        settings.set_skin_component_variation = value;
        changePlayerSkin(sim::joaat("a_f_y_tourist_01"));
        EXPECT_EQ(player(w).model, sim::joaat("a_f_y_tourist_01"));
        EXPECT_EQ(player(w).variation, expected[value]) << "setting " << value;
    }
}

TEST(PlayerSkin, ModelThatNeverLoadsIsReportedAfterThreeSecondsAndStillSet) {
    sim::World& w = startedGame();
    w.models.makeNeverLoading("a_m_y_hipster_01");
    uint32_t hipster = sim::joaat("a_m_y_hipster_01");
    uint32_t requested = w.tick();
    changePlayerSkin(hipster);

    ASSERT_EQ(countNotifications(w, couldNotLoad), 1);
    uint32_t waited = w.notificationTicks.at(0) - requested;
    EXPECT_GE(waited, skinModelLoadLimitMs);
    EXPECT_LT(waited, skinModelLoadLimitMs + 50);
    ASSERT_EQ(w.countCalls(setPlayerModelNative), 1);
    for (const sim::CallRecord& call : w.calls) {
        if (call.hash == setPlayerModelNative) {
            EXPECT_EQ(call.args.at(1), hipster);
        }
    }
    EXPECT_EQ(w.releases[hipster], 1);
    // The game keeps the player as he was.
    EXPECT_EQ(player(w).model, sim::joaat("player_zero"));
}

TEST(PlayerSkin, NoModelChangesNothing) {
    for (uint32_t none : {0u, 0xFFFFFFFFu}) {
        sim::World& w = startedGame();
        uint32_t ped = w.playerPed;
        changePlayerSkin(none);
        EXPECT_EQ(w.countCalls(requestModelNative), 0);
        EXPECT_EQ(w.countCalls(setPlayerModelNative), 0);
        EXPECT_EQ(w.playerPed, ped);
        EXPECT_TRUE(w.notifications.empty());
    }
}

TEST(PlayerSkin, DeadPlayerOnlyHearsTheFailSound) {
    sim::World& w = startedGame();
    player(w).dead = true;
    changePlayerSkin(sim::joaat("a_m_y_hipster_01"));
    EXPECT_EQ(w.countCalls(requestModelNative), 0);
    EXPECT_EQ(player(w).model, sim::joaat("player_zero"));
    ASSERT_FALSE(w.sounds.empty());
    for (const sim::SoundRecord& sound : w.sounds) {
        EXPECT_EQ(sound.sound, "Move_Fail");
        EXPECT_EQ(sound.soundSet, "CRANE_SOUNDS");
    }
}

TEST(PlayerSkin, ChangeWhileDrivingReseatsTheNewPedAsDriver) {
    sim::World& w = startedGame();
    sim::Entity& car = w.spawnVehicle(sim::joaat("adder"), player(w).position);
    uint32_t carHandle = car.handle;
    player(w).vehicle = player(w).lastVehicle = carHandle;
    car.vehicleState.driver = w.playerPed;
    uint32_t oldPed = w.playerPed;

    changePlayerSkin(sim::joaat("a_m_y_hipster_01"));
    ASSERT_NE(w.playerPed, oldPed);
    EXPECT_EQ(player(w).vehicle, carHandle);
    EXPECT_EQ(w.find(carHandle)->vehicleState.driver, w.playerPed);
}

TEST(PlayerSkin, WreckedVehicleIsNotReentered) {
    sim::World& w = startedGame();
    sim::Entity& car = w.spawnVehicle(sim::joaat("adder"), player(w).position);
    uint32_t carHandle = car.handle;
    player(w).vehicle = player(w).lastVehicle = carHandle;
    car.vehicleState.driver = w.playerPed;
    car.dead = true;

    changePlayerSkin(sim::joaat("a_m_y_hipster_01"));
    EXPECT_EQ(player(w).model, sim::joaat("a_m_y_hipster_01"));
    EXPECT_EQ(player(w).vehicle, 0u);
    EXPECT_EQ(w.find(carHandle)->vehicleState.driver, 0u);
}

TEST(PlayerSkin, RestoreAfterDeathSkipsStoryCharactersAndAnimals) {
    for (int32_t persists : {0, 1}) {
        sim::World& w = startedGame();
        settings.player_skin_persists_death = persists;
        EXPECT_FALSE(restoreSkinAfterDeath(sim::joaat("player_one")));
        EXPECT_FALSE(restoreSkinAfterDeath(sim::joaat("a_c_seagull")));
        EXPECT_FALSE(restoreSkinAfterDeath(sim::joaat("a_c_sharktiger")));
        EXPECT_EQ(w.countCalls(requestModelNative), 0);
        EXPECT_EQ(player(w).model, sim::joaat("player_zero"));
    }
}

TEST(PlayerSkin, RestoreAfterDeathAppliesAHumanSkin) {
    sim::World& w = startedGame();
    settings.player_skin_persists_death = 0;
    EXPECT_FALSE(restoreSkinAfterDeath(sim::joaat("a_m_y_hipster_01")));
    EXPECT_EQ(w.countCalls(requestModelNative), 0);

    settings.player_skin_persists_death = 1;
    uint64_t frames = w.frameCount;
    EXPECT_TRUE(restoreSkinAfterDeath(sim::joaat("a_m_y_hipster_01")));
    EXPECT_EQ(player(w).model, sim::joaat("a_m_y_hipster_01"));
    EXPECT_GT(w.frameCount, frames);
    ASSERT_EQ(w.countCalls(collisionNative), 1);
    for (const sim::CallRecord& call : w.calls) {
        if (call.hash == collisionNative) {
            EXPECT_EQ(call.args.at(0), w.playerPed);
        }
    }
}

TEST(PlayerSkin, TrackerActsAtMostEveryTwoHundredMilliseconds) {
    sim::World& w = startedGame();
    trackPlayerModel();
    EXPECT_EQ(playerState.lastModelTrackTime, w.tick());

    player(w).model = sim::joaat("player_one");
    advanceMilliseconds(w, 200);
    trackPlayerModel();
    EXPECT_EQ(playerState.lastPlayerModel, sim::joaat("player_zero"));

    advanceMilliseconds(w, 1);
    trackPlayerModel();
    EXPECT_EQ(playerState.lastPlayerModel, sim::joaat("player_one"));
    EXPECT_EQ(playerState.lastMainCharacterModel, sim::joaat("player_one"));
}

TEST(PlayerSkin, TrackerKeepsTheSkinOfADeadOrArrestedPlayerOrOneWithoutAPed) {
    sim::World& w = startedGame();
    player(w).model = sim::joaat("a_m_y_hipster_01");
    trackPlayerModel();
    EXPECT_EQ(playerState.lastPlayerModel, sim::joaat("a_m_y_hipster_01"));
    EXPECT_EQ(playerState.lastMainCharacterModel,
              sim::joaat("player_zero"));  // an animal or other skin is no story character

    player(w).model = sim::joaat("player_two");
    player(w).dead = true;
    advanceMilliseconds(w, 201);
    trackPlayerModel();
    EXPECT_EQ(playerState.lastPlayerModel, sim::joaat("a_m_y_hipster_01"));
    EXPECT_EQ(playerState.lastModelTrackTime, w.tick());

    player(w).dead = false;
    w.beingArrested = true;
    advanceMilliseconds(w, 201);
    trackPlayerModel();
    EXPECT_EQ(playerState.lastPlayerModel, sim::joaat("a_m_y_hipster_01"));
    EXPECT_EQ(playerState.lastMainCharacterModel, sim::joaat("player_zero"));

    // The game is replacing his ped: an arrest now must still find the skin
    // he wore, not "no model", which would count as another skin.
    w.beingArrested = false;
    w.removeEntity(w.playerPed);
    w.playerPed = 0;
    advanceMilliseconds(w, 201);
    trackPlayerModel();
    EXPECT_EQ(playerState.lastPlayerModel, sim::joaat("a_m_y_hipster_01"));
}

TEST(PlayerSkin, TrackerSamplesTheMissionFlagUnlessMissionsAlterTheSpawn) {
    sim::World& w = startedGame();
    settings.alter_spawn_after_mission = 0;
    w.missionActive = true;
    trackPlayerModel();
    EXPECT_TRUE(playerState.missionActive);

    settings.alter_spawn_after_mission = 1;
    w.missionActive = false;
    advanceMilliseconds(w, 201);
    trackPlayerModel();
    EXPECT_TRUE(playerState.missionActive);
}

TEST(PlayerSkin, TrackerTimerSurvivesTheTickCountWrap) {
    sim::World& w = testing_support::loadPlugin();
    w.setTickBase(0x90000000u);  // past half the range: the first call still acts
    captureStartState();
    player(w).model = sim::joaat("player_two");
    trackPlayerModel();
    EXPECT_EQ(playerState.lastPlayerModel, sim::joaat("player_two"));

    w.setTickBase(0xFFFFFF00u - static_cast<uint32_t>(w.elapsedMicros() / 1000));
    trackPlayerModel();
    EXPECT_EQ(playerState.lastModelTrackTime, 0xFFFFFF00u);
    player(w).model = sim::joaat("player_one");
    advanceMilliseconds(w, 150);
    trackPlayerModel();
    EXPECT_EQ(playerState.lastPlayerModel, sim::joaat("player_two"));
    advanceMilliseconds(w, 150);  // the count has wrapped past 0
    ASSERT_LT(w.tick(), 0x100u);
    trackPlayerModel();
    EXPECT_EQ(playerState.lastPlayerModel, sim::joaat("player_one"));
}
