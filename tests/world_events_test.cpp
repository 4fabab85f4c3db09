// The simulated game's own events and faults, as the soak sets them off: a
// mission's fail screen, another script's fade, a vanishing ped, loading
// screens that overlap, a wasted screen without its effect.
#include <gtest/gtest.h>

#include "host/natives/player_natives.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "tests/support/plugin_state.h"

namespace {

// The game alone, without the plug-in's script.
void gameRunsFor(sim::World& w, uint32_t milliseconds) {
    for (uint32_t start = w.tick(); w.tick() - start < milliseconds;) w.advanceFrame();
}

}  // namespace

TEST(WorldEvents, ADeathDuringAMissionFailsItBehindABlackScreenThatTheGameFadesInByItselfOrNever) {
    sim::World& w = testing_support::loadPlugin();
    w.faults.missionFailFadeInMilliseconds = 5000;
    sim::startMission(w);
    sim::killPlayer(w);
    gameRunsFor(w, 8000);
    EXPECT_EQ(w.gameRespawn.stage, sim::GameRespawnStage::MissionFailed);
    EXPECT_FALSE(w.missionActive);
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedOut);
    EXPECT_EQ(w.gameRespawn.count, 1) << "the player is back behind the fail screen";
    gameRunsFor(w, 5000);
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn);

    sim::World& never = testing_support::loadPlugin();
    never.faults.missionFailFadeInMilliseconds = 0;
    sim::startMission(never);
    sim::killPlayer(never);
    gameRunsFor(never, 60000);
    EXPECT_EQ(never.gameRespawn.stage, sim::GameRespawnStage::None);
    EXPECT_EQ(never.screen.fade, sim::FadeState::FadedOut);
}

TEST(WorldEvents, AnotherScriptFadesBackInOnlyAScreenThatIsStillBlackFromItsOwnFade) {
    sim::World& w = testing_support::loadPlugin();
    sim::otherScriptFadesOut(w, 500, 3000);
    gameRunsFor(w, 600);
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedOut);
    EXPECT_EQ(w.screen.fadeSource, sim::FadeSource::OtherScript);
    gameRunsFor(w, 4000);
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn);

    sim::otherScriptFadesOut(w, 0, 3000);
    w.screen.fadeSource = sim::FadeSource::Plugin;  // the plug-in took the black screen over
    gameRunsFor(w, 4000);
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedOut);
}

TEST(WorldEvents, AVanishedPedLeavesThePlayerWithoutOneUntilTheGameGivesHimANewOne) {
    sim::World& w = testing_support::loadPlugin();
    uint32_t old = w.playerPed;
    sim::Vec3 at = w.player()->position;
    sim::playerPedVanishes(w, 1000);
    EXPECT_EQ(playerPedId(), 0u);
    gameRunsFor(w, 1100);
    ASSERT_NE(playerPedId(), 0u);
    EXPECT_NE(playerPedId(), old);
    EXPECT_EQ(w.player()->position.x, at.x);
    EXPECT_EQ(w.player()->model, sim::joaat("player_zero"));
}

TEST(WorldEvents, OverlappingLoadingScreensShowAsOneAndAWastedScreenMayLackItsEffect) {
    sim::World& w = testing_support::loadPlugin();
    sim::showLoadingScreen(w, 2000);
    gameRunsFor(w, 1000);
    sim::showLoadingScreen(w, 3000);
    gameRunsFor(w, 1500);
    EXPECT_TRUE(w.screen.loadingScreen) << "the second one still shows";
    gameRunsFor(w, 2000);
    EXPECT_FALSE(w.screen.loadingScreen);

    w.faults.deathEffectNeverRuns = true;
    sim::killPlayer(w);
    gameRunsFor(w, 3000);
    EXPECT_EQ(w.gameRespawn.stage, sim::GameRespawnStage::Screen);
    EXPECT_FALSE(w.screen.effects.count("DeathFailOut"));
    EXPECT_NE(w.gameRespawn.camera, 0u) << "the rest of the wasted screen runs";
}
