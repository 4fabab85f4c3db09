// The loading-screen watch with its follow-up, and the black-screen rescue.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "shared/table_random.h"
#include "respawn/death_handler.h"
#include "respawn/loading_screens.h"
#include "settings_io/settings_store.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "skin/player_skin.h"
#include "skin/skin_tables.h"
#include "tests/support/call_log.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::callsOf;
using testing_support::firstCallIndex;

const char* const otherSkin = "a_m_y_hipster_01";
const char* const storedSkin = "a_f_y_hipster_01";

using testing_support::Setting;

std::string storedSkinValue() { return std::to_string(static_cast<int32_t>(sim::joaat(storedSkin))); }

// A game as at script start, with the given settings file read; the spawns go
// to the built-in list.
sim::World& gameWithSettings(std::initializer_list<Setting> changes) {
    sim::World& w = testing_support::loadPlugin();
    std::vector<Setting> all = {{"in_air_player_spawn_chance", "0"},
                                {"random_point_on_map_spawn_chance", "0"},
                                {"in_vehicle_on_road_player_spawn_chance", "0"},
                                {"on_point_from_list_player_spawn_chance", "100"},
                                {"on_close_point_player_spawn_chance", "0"}};
    all.insert(all.end(), changes.begin(), changes.end());
    testing_support::writeSettingsFile(testing_support::builtInSettingsWith(all));
    readSettings();
    captureStartState();
    return w;
}

// Shows a loading screen and runs the watch through it.
void watchLoadingScreenOf(sim::World& w, uint32_t milliseconds) {
    sim::showLoadingScreen(w, milliseconds);
    watchLoadingScreens();
}

}  // namespace

TEST(LoadingScreenFollowUp, SkinComesFromTheFileOrTheRandomTableByValue) {
    for (int32_t value : {1, 2, 3}) {
        sim::World& w = gameWithSettings({{"player_ped_skin_upon_respawn", std::to_string(value)},
                                          {"use_respawn_on_demand_automatically", "0"},
                                          {"stored_last_used_skin", storedSkinValue()}});
        seedTableRandom(99);
        uint32_t randomSkin = randomSkinModels[tableRandom() % randomSkinModelCount];
        seedTableRandom(99);
        watchLoadingScreenOf(w, 2000);
        SCOPED_TRACE(testing::Message() << "value " << value);
        EXPECT_EQ(w.player()->model, value == 3 ? sim::joaat(storedSkin) : randomSkin);
        EXPECT_EQ(callsOf(w, fadeOutNative).at(0).args[0], 0u);
        EXPECT_EQ(w.calls.back().hash, fadeInNative);
        EXPECT_EQ(w.calls.back().args[0], 500u);
        EXPECT_FALSE(playerState.loadingScreenSeen);
    }
}

TEST(LoadingScreenFollowUp, NothingHappensWithoutSkinOrAutomaticRespawn) {
    for (const char* value : {"0", "-1", "4"}) {
        sim::World& w = gameWithSettings(
            {{"player_ped_skin_upon_respawn", value}, {"use_respawn_on_demand_automatically", "0"}});
        sim::Vec3 before = w.player()->position;
        watchLoadingScreenOf(w, 2000);
        uint32_t ended = w.tick();
        EXPECT_TRUE(callsOf(w, fadeOutNative).empty()) << value;
        EXPECT_TRUE(callsOf(w, setPlayerModelNative).empty()) << value;
        EXPECT_EQ(w.player()->position.x, before.x) << value;
        EXPECT_EQ(playerState.loadingScreenEndTime, ended);
        EXPECT_FALSE(playerState.loadingScreenSeen);
    }
}

TEST(LoadingScreenFollowUp, AutomaticRespawnMovesThePlayerBehindABlackScreen) {
    sim::World& w = gameWithSettings({{"player_ped_skin_upon_respawn", "0"},
                                      {"use_respawn_on_demand_automatically", "1"},
                                      {"get_full_armor_upon_respawn", "1"}});
    sim::Vec3 before = w.player()->position;
    watchLoadingScreenOf(w, 2000);
    EXPECT_NE(w.player()->position.x, before.x);
    EXPECT_TRUE(callsOf(w, setPlayerModelNative).empty());
    long cut = firstCallIndex(w, fadeOutNative);
    ASSERT_GE(cut, 0);
    EXPECT_LT(cut, firstCallIndex(w, placeEntityNative)) << "black before the move";
    EXPECT_EQ(w.player()->armour, 100);
    EXPECT_GT(firstCallIndex(w, fadeInNative), firstCallIndex(w, setArmourNative)) << "fade-in after the options";
    EXPECT_EQ(callsOf(w, fadeInNative).size(), 1u);
}

TEST(LoadingScreenFollowUp, AutomaticRespawnNeverAppliesTheOnDemandOptions) {
    // Respawn on demand with its options would re-apply the last skin before
    // the move; the follow-up only applies the stored skin after it.
    sim::World& w = gameWithSettings({{"player_ped_skin_upon_respawn", "3"},
                                      {"use_respawn_on_demand_automatically", "1"},
                                      {"weapons_and_armor_settings_affecting_respawn_on_demand", "0"},
                                      {"get_full_armor_upon_respawn", "1"},
                                      {"stored_last_used_skin", storedSkinValue()}});
    playerState.lastPlayerModel = sim::joaat(otherSkin);
    watchLoadingScreenOf(w, 2000);
    std::vector<sim::CallRecord> changes = callsOf(w, setPlayerModelNative);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(static_cast<uint32_t>(changes[0].args[1]), sim::joaat(storedSkin));
    EXPECT_GT(firstCallIndex(w, setPlayerModelNative), firstCallIndex(w, placeEntityNative));
    EXPECT_EQ(w.player()->armour, 0);
}

TEST(LoadingScreenFollowUp, DroppedDuringAMissionButSettingsAreReRead) {
    sim::World& w = gameWithSettings({{"land_vehicle_type", "3"}});
    playerState.missionActive = true;
    settings.land_vehicle_type = 7;
    watchLoadingScreenOf(w, 2000);
    EXPECT_EQ(settings.land_vehicle_type, 3);
    EXPECT_EQ(playerState.loadingScreenEndTime, w.tick());
    EXPECT_FALSE(playerState.loadingScreenSeen);
    EXPECT_TRUE(callsOf(w, fadeOutNative).empty());
    playerState.missionActive = false;
    watchLoadingScreens();
    EXPECT_TRUE(callsOf(w, fadeOutNative).empty()) << "no follow-up later either";

    // With the override on, a mission does not stop it.
    gameWithSettings({{"alter_spawn_after_mission", "1"}});
    playerState.missionActive = true;
    watchLoadingScreenOf(sim::world(), 2000);
    EXPECT_FALSE(callsOf(sim::world(), fadeOutNative).empty());
}

TEST(LoadingScreenFollowUp, WaitBeforeTheSkinChangeIsHeldToAMinuteOfWhichOnly3sAreBlack) {
    // The wait counts from the end of the loading screen; the screen is cut to
    // black for its last 3 s at most, the rest of a longer wait is in view.
    for (const char* wait : {"3000", "-1", "10000", "2147483647"}) {
        SCOPED_TRACE(wait);
        sim::World& w = gameWithSettings({{"player_ped_skin_upon_respawn", "0"},
                                          {"use_respawn_on_demand_automatically", "1"},
                                          {"wait_time_before_skin_change", wait}});
        sim::startScript();
        sim::runFor(500);
        uint32_t loadingOver = w.tick() + 2000;
        sim::showLoadingScreen(w, 2000);
        ASSERT_TRUE(sim::runUntil([](sim::World& world) { return !callsOf(world, fadeInNative).empty(); }, 70000));
        uint32_t cut = callsOf(w, fadeOutNative).at(0).tick;
        std::vector<sim::CallRecord> moves = callsOf(w, placeEntityNative);
        ASSERT_FALSE(moves.empty());
        uint32_t expectedWait = std::string(wait) == "-1" ? 0 : std::string(wait) == "2147483647" ? 60000 : std::stoul(wait);
        EXPECT_GE(moves[0].tick - loadingOver, expectedWait) << "the whole wait, held to a minute";
        EXPECT_LE(moves[0].tick - loadingOver, expectedWait + 50u);
        EXPECT_GE(moves[0].tick - cut, std::min(expectedWait, 3000u)) << "its end behind black";
        EXPECT_LE(moves[0].tick - cut, std::min(expectedWait, 3000u) + 17u) << "only its end";
    }
}

TEST(BlackScreenRescue, OtherSkinIsBroughtBackAfter80s) {
    sim::World& w = testing_support::loadPlugin();
    w.player()->model = sim::joaat(otherSkin);
    sim::startScript();
    sim::runFor(1000);
    // Options that a respawn on demand with its options would apply.
    settings.player_ped_skin_upon_respawn = 2;
    settings.get_full_armor_upon_respawn = 1;
    sim::leaveScreenFadedOut(w);
    uint32_t lastSeenNotBlack = playerState.lastNotFadedOutTime;
    sim::Vec3 before = w.player()->position;
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return !callsOf(world, fadeInNative).empty(); }, 90000));
    std::vector<sim::CallRecord> changes = callsOf(w, setPlayerModelNative);
    ASSERT_EQ(changes.size(), 2u) << "the reset and the restore, no random skin";
    EXPECT_EQ(static_cast<uint32_t>(changes[0].args[1]), sim::joaat("player_zero"));
    EXPECT_EQ(w.player()->armour, 0) << "no armour option";
    uint32_t rescueStart = callsOf(w, requestModelNative).at(0).tick;
    EXPECT_GT(rescueStart - lastSeenNotBlack, 80000u);
    EXPECT_LE(rescueStart - lastSeenNotBlack, 80000u + 34u);
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
    EXPECT_NE(w.player()->position.x, before.x);
    ASSERT_GE(w.sounds.size(), 2u);
    EXPECT_EQ(w.sounds[w.sounds.size() - 2].sound, "FocusIn");
    EXPECT_EQ(callsOf(w, fadeInNative)[0].args[0], 500u);
}

TEST(BlackScreenRescue, StoryCharacterScreenIsFadedBackInWithoutANewSkinOrPlace) {
    sim::World& w = testing_support::loadPlugin();
    sim::startScript();
    sim::runFor(1000);
    sim::Vec3 before = w.player()->position;
    sim::leaveScreenFadedOut(w);
    uint32_t lastSeenNotBlack = playerState.lastNotFadedOutTime;
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return !callsOf(world, fadeInNative).empty(); }, 90000));
    uint32_t fadeIn = callsOf(w, fadeInNative).at(0).tick;
    EXPECT_GT(fadeIn - lastSeenNotBlack, 80000u);
    EXPECT_LE(fadeIn - lastSeenNotBlack, 80000u + 34u);
    EXPECT_EQ(callsOf(w, fadeInNative)[0].args[0], 500u);
    sim::runFor(1000);
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn) << "not black for good";
    EXPECT_TRUE(callsOf(w, setPlayerModelNative).empty());
    EXPECT_EQ(w.player()->position.x, before.x);
    EXPECT_EQ(w.player()->model, sim::joaat("player_zero"));
}

TEST(BlackScreenRescue, TheCountStartsWithTheScriptNotAtZero) {
    sim::World& w = testing_support::loadPlugin();
    applyBuiltInSettings();
    captureStartState();
    playerState.lastPlayerModel = sim::joaat(otherSkin);
    sim::leaveScreenFadedOut(w);
    ASSERT_GT(w.tick(), 80000u);
    rescueBlackScreen();
    EXPECT_TRUE(callsOf(w, setPlayerModelNative).empty()) << "the time before the script started is not counted";
    EXPECT_TRUE(callsOf(w, fadeInNative).empty());

    // A game that starts on a black screen is rescued 80 s after the script started.
    sim::World& game = testing_support::loadPlugin();
    game.player()->model = sim::joaat(otherSkin);
    sim::leaveScreenFadedOut(game);
    sim::startScript();
    sim::runFor(100);
    uint32_t started = playerState.lastSettingsCheckTime;
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return !callsOf(world, fadeInNative).empty(); }, 90000));
    EXPECT_GT(callsOf(game, requestModelNative).at(0).tick - started, 80000u);
}

TEST(BlackScreenRescue, ALongLoadingScreenIsNotCountedAsABlackScreen) {
    // The game went dark for a loading screen of 85 s and fades in 3 s after it.
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(testing_support::builtInSettingsWith(
        {{"player_ped_skin_upon_respawn", "0"}, {"use_respawn_on_demand_automatically", "0"}}));
    w.player()->model = sim::joaat(otherSkin);
    sim::startScript();
    sim::runFor(1000);
    sim::leaveScreenFadedOut(w);
    sim::showLoadingScreen(w, 85000);
    w.after(88000, [](sim::World& world) { world.screen.fade = sim::FadeState::FadedIn; });
    sim::runFor(92000);
    EXPECT_GT(playerState.loadingScreenEndTime, 0u);
    EXPECT_TRUE(callsOf(w, setPlayerModelNative).empty()) << "no rescue on the first dark frames after it";
    EXPECT_TRUE(callsOf(w, fadeInNative).empty());
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
}

TEST(BlackScreenRescue, AnEpisodeLongerThan80sIsNotCountedAsABlackScreen) {
    // A death during a mission on a very slow wasted screen without the death
    // effect runs to its 80 s deadline; the game's fail screen then stays
    // black for 60 s, longer than the wait for the game, and fades in by itself.
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(
        testing_support::builtInSettingsWith({{"slow_motion_at_wasted_and_busted_screens", "0.05"}}));
    w.missionActive = true;
    w.faults.deathEffectNeverRuns = true;
    w.faults.missionFailFadeInMilliseconds = 60000;
    sim::startScript();
    sim::runFor(1000);
    uint32_t failScreenFrom = 0;
    w.frameRules.push_back([&failScreenFrom](sim::World& world) {
        if (failScreenFrom == 0 && world.gameRespawn.stage == sim::GameRespawnStage::MissionFailed)
            failScreenFrom = world.tick();
    });
    sim::killPlayer(w);
    uint32_t died = w.tick();
    sim::runFor(150000);
    ASSERT_NE(failScreenFrom, 0u);
    EXPECT_GT(failScreenFrom - died, 80000u) << "the episode took longer than the rescue's count";
    EXPECT_TRUE(callsOf(w, fadeInNative).empty()) << "no rescue right after the episode";
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn);
}

TEST(BlackScreenRescue, AnswerThatFlickersLeavesTheCountAlone) {
    sim::World& w = testing_support::loadPlugin();
    captureStartState();
    playerState.lastPlayerModel = sim::joaat(otherSkin);
    playerState.lastNotFadedOutTime = 1234;
    w.screen.forcedFadedOutAnswers = {true, false};
    rescueBlackScreen();
    EXPECT_EQ(playerState.lastNotFadedOutTime, 1234u);
    EXPECT_TRUE(callsOf(w, setPlayerModelNative).empty());
    rescueBlackScreen();
    EXPECT_EQ(playerState.lastNotFadedOutTime, w.tick()) << "a screen that is not faded out restarts the count";
}

TEST(BlackScreenRescue, TheSkinSwapsStayBehindBlackWhenTheHoldingFadeLiftsAtThatMoment) {
    // Another script holds the screen black for about the rescue's 80 s and
    // starts its fade-in around the frame in which the rescue begins: every
    // change of skin must come while the screen is black.
    for (uint32_t hold = 79900; hold <= 80150; hold += 10) {
        SCOPED_TRACE(testing::Message() << "held for " << hold << " ms");
        sim::World& w = testing_support::loadPlugin();
        w.player()->model = sim::joaat(otherSkin);
        sim::startScript();
        sim::runFor(1000);
        sim::otherScriptFadesOut(w, 0, hold);
        uint32_t model = w.player()->model;
        bool swappedInView = false;
        sim::runUntil(
            [&](sim::World& world) {
                if (world.player() && world.player()->model != model) {
                    model = world.player()->model;
                    swappedInView = swappedInView || world.screen.fade != sim::FadeState::FadedOut;
                }
                return false;
            },
            hold + 10000);
        EXPECT_FALSE(swappedInView);
        sim::stopScript();
    }
}

TEST(PostLoadingFollowUp, TheSkinSwapComesBehindBlackWhenTheGameFadesInDuringTheModelsLoad) {
    // The random skin's model takes two seconds to load, and the game fades
    // in meanwhile: the swap still comes on a black frame.
    sim::World& w = gameWithSettings({{"player_ped_skin_upon_respawn", "2"},
                                      {"use_respawn_on_demand_automatically", "0"},
                                      {"wait_time_before_skin_change", "0"}});
    w.modelLoadMilliseconds = 2000;
    sim::startScript();
    sim::runFor(1000);
    sim::showLoadingScreen(w, 3000);
    w.after(3500, [](sim::World& world) {
        world.screen.fade = sim::FadeState::FadingIn;
        world.screen.fadeSource = sim::FadeSource::Game;
        world.screen.fadeStart = world.tick();
        world.screen.fadeDuration = 500;
    });
    uint32_t model = w.player()->model;
    int swaps = 0;
    bool swappedInView = false;
    sim::runUntil(
        [&](sim::World& world) {
            if (world.player() && world.player()->model != model) {
                model = world.player()->model;
                ++swaps;
                swappedInView = swappedInView || world.screen.fade != sim::FadeState::FadedOut;
            }
            return false;
        },
        12000);
    EXPECT_EQ(swaps, 1) << "the random skin put on";
    EXPECT_FALSE(swappedInView);
    sim::stopScript();
}

TEST(PostLoadingFollowUp, ClearsTheStarsThePlayerCameOutOfTheLoadingScreenWith) {
    // Asked of the player (his index), after the skin change; no stars, no clear.
    for (int32_t stars : {3, 0}) {
        sim::World& w = gameWithSettings(
            {{"player_ped_skin_upon_respawn", "2"}, {"use_respawn_on_demand_automatically", "0"}});
        w.wantedLevel = stars;
        watchLoadingScreenOf(w, 2000);
        EXPECT_EQ(w.wantedLevel, 0) << stars;
        std::vector<sim::CallRecord> asked = callsOf(w, wantedLevelNative);
        ASSERT_EQ(asked.size(), 1u) << stars;
        EXPECT_EQ(asked[0].args.at(0), w.playerId);
        std::vector<sim::CallRecord> cleared = callsOf(w, clearWantedLevelNative);
        ASSERT_EQ(cleared.size(), stars > 0 ? 1u : 0u) << stars;
        if (stars > 0) {
            EXPECT_EQ(cleared[0].args.at(0), w.playerId);
        }
        long skin = firstCallIndex(w, setPlayerModelNative);
        ASSERT_GE(skin, 0) << "a random skin put on";
        EXPECT_LT(skin, firstCallIndex(w, wantedLevelNative));
    }
}
