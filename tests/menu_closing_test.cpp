// The menu is never drawn over a sequence of ours: the automatic respawn after
// a loading screen closes it as a death or arrest does.
#include <gtest/gtest.h>

#include "menu/menu.h"
#include "sim/game_events.h"
#include "sim/script_host.h"
#include "tests/support/menu_driver.h"
#include "tests/support/plugin_state.h"

using namespace testing_support;

TEST(MenuClosing, TheAutomaticRespawnAfterALoadingScreenClosesTheMenuBeforeItsBlack) {
    sim::World& w = gameStartedWith(builtInSettingsWith({{"wait_time_before_skin_change", "10000"},
                                                         {"use_respawn_on_demand_automatically", "1"},
                                                         {"player_ped_skin_upon_respawn", "0"}}));
    const sim::Vec3 before = w.player()->position;
    sim::showLoadingScreen(w, 2000);
    sim::runFor(4000);
    pressMenuChord(w);
    ASSERT_TRUE(isMenuOpen()) << "open during the wait, which is played";
    // A frame shown at a tick was drawn under the fade the tick before ended with.
    int drawnOverOurSequence = 0;
    uint32_t seenTick = w.tick();
    sim::FadeState fadeNow = w.screen.fade;
    bool respawned = sim::runUntil(
        [&](sim::World& world) {
            if (world.tick() != seenTick) {
                seenTick = world.tick();
                if (fadeNow != sim::FadeState::FadedIn && !shownPage(world).empty()) ++drawnOverOurSequence;
            }
            fadeNow = world.screen.fade;
            return world.player()->position.x != before.x && world.screen.fade == sim::FadeState::FadedIn;
        },
        20000);
    ASSERT_TRUE(respawned);
    EXPECT_EQ(drawnOverOurSequence, 0) << "frames of the black or the fade-in with the menu drawn";
    EXPECT_FALSE(isMenuOpen());
}
