// Stories of play in which a wait or a change would feel like a fault to the
// player: a skin reset that hits a player who is already back, screens that
// stay black, a slow motion that stops the game, a long wait after a loading
// screen, and the stored skin after a mission death.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "settings/settings_record.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "tests/support/call_log.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::callsOf;

const char* const otherSkin = "a_m_y_hipster_01";

// Our first cut to black after the given tick; 0 when none came.
uint32_t cutAfter(const sim::World& w, uint32_t from) {
    for (const sim::CallRecord& call : callsOf(w, fadeOutNative))
        if (static_cast<int32_t>(call.tick - from) > 0) return call.tick;
    return 0;
}

bool backInView(sim::World& w) {
    return !callsOf(w, fadeInNative).empty() && w.screen.fade == sim::FadeState::FadedIn && w.player() &&
           !w.player()->dead && !w.beingArrested;
}

sim::World& gameStartedWith(const std::string& settingsFile, const char* skin = "player_zero") {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(settingsFile);
    w.player()->model = sim::joaat(skin);
    sim::startScript();
    sim::runFor(2000);
    return w;
}

std::string shippedWith(const std::string& key, const std::string& value) {
    return testing_support::withSetting(testing_support::shippedSettingsText(), key, value);
}

// The longest black screen outside loading screens, measured after each of the
// game's frames, as a player sees it.
struct BlackScreenWatch {
    double blackMs = 0, longestMs = 0;
    explicit BlackScreenWatch(sim::World& w) {
        w.frameRules.push_back([this](sim::World& world) {
            const sim::Screen& s = world.screen;
            bool black = s.fade == sim::FadeState::FadedOut || s.fade == sim::FadeState::FadingOut;
            if (!black) blackMs = 0;
            else if (!s.loadingScreen) blackMs += world.frameMilliseconds;
            if (blackMs > longestMs) longestMs = blackMs;
        });
    }
};

// Every skin change of the run came behind our cut to black, and none gave
// the main character to a player who wore another skin.
void expectSkinOnlyRestoredBehindTheCut(const sim::World& w, uint32_t cut) {
    for (const sim::CallRecord& change : callsOf(w, setPlayerModelNative)) {
        EXPECT_NE(static_cast<uint32_t>(change.args[1]), sim::joaat("player_zero")) << "at " << change.tick;
        EXPECT_GT(change.tick, cut) << "a change in full view";
    }
}

}  // namespace

TEST(PlayerWaits, ArrestCalledOffBeforeTheBustedScreenLeavesTheFreePlayerInHisSkin) {
    // Shipped settings: the busted screen waits at most 20 s. The police give
    // up after half a second, before their screen shows.
    sim::World& w = gameStartedWith(testing_support::shippedSettingsText(), otherSkin);
    uint32_t arrested = w.tick();
    sim::arrestPlayer(w);
    w.after(500, sim::arrestCalledOff);
    ASSERT_TRUE(sim::runUntil(backInView, 60000));
    uint32_t cut = cutAfter(w, arrested);
    ASSERT_NE(cut, 0u);
    EXPECT_LE(cut - arrested, 20000u + 200u) << "at the screen's deadline, not after 30 s more";
    expectSkinOnlyRestoredBehindTheCut(w, cut);
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
}

TEST(PlayerWaits, ArrestCalledOffWhileTheMainCharacterLoadsLeavesHisSkin) {
    // A deadline of 5.7 s puts the latest reset at 0.7 s; the model takes a
    // second to load, and the police give up meanwhile.
    sim::World& w = gameStartedWith(
        shippedWith("max_wait_time_before_respawn_upon_skin_exception", "5700"), otherSkin);
    w.modelLoadMilliseconds = 1000;
    uint32_t arrested = w.tick();
    sim::arrestPlayer(w);
    w.after(1000, sim::arrestCalledOff);
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return !callsOf(world, requestModelNative).empty(); }, 2000));
    EXPECT_LT(callsOf(w, requestModelNative).front().tick - arrested, 1000u) << "the load began during the arrest";
    ASSERT_TRUE(sim::runUntil(backInView, 30000));
    expectSkinOnlyRestoredBehindTheCut(w, cutAfter(w, arrested));
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
}

TEST(PlayerWaits, GameThatBringsAnotherSkinBackByItselfLeavesHimInIt) {
    // The reset would be due only after 60 s, past the 20 s deadline; the game
    // brings the player back as he is after 3 s.
    sim::World& w = gameStartedWith(shippedWith("time_before_reset_skin", "60000"), otherSkin);
    uint32_t killed = w.tick();
    sim::killPlayer(w);
    w.after(3000, sim::gameBringsPlayerBackAsHeIs);
    ASSERT_TRUE(sim::runUntil(backInView, 60000));
    uint32_t cut = cutAfter(w, killed);
    ASSERT_NE(cut, 0u);
    EXPECT_LE(cut - killed, 20000u + 200u);
    expectSkinOnlyRestoredBehindTheCut(w, cut);
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
}

TEST(PlayerWaits, MissionFailScreenThatNeverFadesInEndsWithin90s) {
    // Also when our take-over leaves the game's place ("random_player_respawns" 0).
    for (const char* respawns : {"1", "0"}) {
        SCOPED_TRACE(respawns);
        sim::World& w = testing_support::loadPlugin();
        testing_support::writeSettingsFile(shippedWith("random_player_respawns", respawns));
        w.faults.missionFailFadeInMilliseconds = 0;
        sim::startMission(w);
        sim::startScript();
        sim::runFor(2000);
        BlackScreenWatch black(w);
        sim::killPlayer(w);
        sim::runFor(120000);
        EXPECT_GT(black.longestMs, 60000.0) << "the fail screen stayed black a while";
        EXPECT_LE(black.longestMs, 90000.0);
        EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn);
    }
}

TEST(PlayerWaits, AnotherScriptsEndlessFadeEndsWithin90sOfItsStartAcrossALoadingScreen) {
    // No follow-up to the loading screen, so nothing of ours touches the screen before the rescue.
    sim::World& w = gameStartedWith(testing_support::builtInSettingsWith(
        {{"player_ped_skin_upon_respawn", "0"}, {"use_respawn_on_demand_automatically", "0"}}));
    BlackScreenWatch black(w);
    sim::otherScriptFadesOut(w, 0, 0);
    w.after(50000, [](sim::World& world) { sim::showLoadingScreen(world, 5000); });
    sim::runFor(120000);
    EXPECT_GT(black.longestMs, 75000.0);
    EXPECT_LE(black.longestMs, 90000.0);
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn);
}

TEST(PlayerWaits, TinySlowMotionSlowsTheGameWithoutStoppingIt) {
    sim::World& w = gameStartedWith(shippedWith("slow_motion_at_wasted_and_busted_screens", "0.000001"));
    uint32_t killed = w.tick();
    sim::killPlayer(w);
    ASSERT_TRUE(sim::runUntil(backInView, 100000));
    std::vector<sim::CallRecord> scales = callsOf(w, setTimeScaleNative);
    ASSERT_GT(scales.size(), 1u);
    float slowest = 1.0f;
    for (const sim::CallRecord& call : scales) slowest = std::min(slowest, testing_support::floatArgument(call, 0));
    EXPECT_EQ(slowest, 0.05f);
    EXPECT_GT(w.gameRespawn.count, 0) << "the game's own sequence went on";
    EXPECT_LE(cutAfter(w, killed) - killed, 90000u);
}

TEST(PlayerWaits, LongWaitBeforeTheSkinChangeIsSpentInView) {
    sim::World& w = gameStartedWith(testing_support::builtInSettingsWith(
        {{"player_ped_skin_upon_respawn", "0"}, {"use_respawn_on_demand_automatically", "1"},
         {"wait_time_before_skin_change", "60000"}}));
    BlackScreenWatch black(w);
    uint32_t shown = w.tick();
    sim::showLoadingScreen(w, 2000);
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return !callsOf(world, placeEntityNative).empty(); }, 70000));
    EXPECT_GE(callsOf(w, placeEntityNative).front().tick - shown, 2000u + 60000u) << "the wait is kept";
    ASSERT_TRUE(sim::runUntil(backInView, 20000));
    sim::runFor(1000);
    EXPECT_LT(black.longestMs, 15000.0);
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn);
}

TEST(PlayerWaits, DeathRightAfterAChordsNewSkinGivesBackTheNewSkin) {
    // "random_player_respawns" 0: the skin comes back in view after the game's respawn.
    sim::World& w = gameStartedWith(testing_support::builtInSettingsWith(
        {{"player_ped_skin_upon_respawn", "2"}, {"random_player_respawns", "0"}}), otherSkin);
    uint32_t now = w.tick();
    w.keyMessageAt(now + 100, 17, false);
    w.keyMessageAt(now + 200, 75, false);
    w.keyMessageAt(now + 300, 75, true);
    w.keyMessageAt(now + 400, 17, true);
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return !callsOf(world, setPlayerModelNative).empty(); }, 2000));
    sim::runFor(100);
    uint32_t chosen = w.player()->model;
    ASSERT_NE(chosen, sim::joaat(otherSkin));
    sim::killPlayer(w);  // before the skin tracker has looked again
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return world.gameRespawn.count > 0; }, 30000));
    sim::runFor(5000);
    EXPECT_EQ(w.player()->model, chosen);
}

TEST(PlayerWaits, ArrestDuringTheFollowUpsBlackWaitIsOverBeforeTheSkinChanges) {
    // A random skin after every loading screen; the police come during the
    // last 3 s of the wait, which run behind our black screen.
    sim::World& w = gameStartedWith(testing_support::builtInSettingsWith(
        {{"player_ped_skin_upon_respawn", "2"}, {"use_respawn_on_demand_automatically", "0"},
         {"wait_time_before_skin_change", "3000"}}));
    uint32_t putBackAt = 0;
    w.frameRules.push_back([&putBackAt](sim::World& world) {
        if (putBackAt == 0 && world.gameRespawn.count > 0) putBackAt = world.tick();
    });
    sim::showLoadingScreen(w, 2000);
    w.after(3000, sim::arrestPlayer);
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return !callsOf(world, setPlayerModelNative).empty(); }, 60000));
    ASSERT_NE(putBackAt, 0u) << "the arrest ran its course first";
    EXPECT_GT(callsOf(w, setPlayerModelNative).front().tick, putBackAt);
    ASSERT_TRUE(sim::runUntil(backInView, 20000));
    EXPECT_NE(w.player()->model, sim::joaat("player_zero")) << "the skin the settings ask for, after all";
}
