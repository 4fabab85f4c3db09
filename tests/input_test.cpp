#include <gtest/gtest.h>

#include "host/keyboard.h"
#include "plugin/chords.h"
#include "platform/clock.h"
#include "settings_io/settings_store.h"
#include "shared/player_state.h"
#include "sim/game_events.h"
#include "sim/script_host.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

constexpr uint32_t ctrl = 17;
constexpr uint32_t keyK = 75;

// A game with the built-in chords, past the 500 ms guard that follows loading.
sim::World& gameWithBuiltInChords() {
    sim::World& w = testing_support::loadPlugin();
    applyBuiltInSettings();
    sim::runFor(600);
    return w;
}

void releaseKWithCtrlHeld(sim::World& w) {
    sim::keyDown(w, ctrl);
    sim::keyDown(w, keyK);
    sim::keyUp(w, keyK);
}

void pressControllerChord(sim::World& w) {
    sim::holdControl(w, 44);
    sim::pressControl(w, 18);
}

}  // namespace

TEST(KeyboardChord, HoldCtrlReleaseKFiresOnceWithinTheWindows) {
    sim::World& w = gameWithBuiltInChords();
    sim::keyDown(w, ctrl);
    sim::runFor(300);
    sim::keyDown(w, keyK);
    sim::runFor(50);
    sim::keyUp(w, keyK);
    EXPECT_TRUE(respawnOnDemandRequested());
    EXPECT_FALSE(respawnOnDemandRequested()) << "one release fires once";

    // A release older than 100 ms is no longer "just released".
    sim::keyDown(w, keyK);
    sim::keyUp(w, keyK);
    sim::runFor(120);
    EXPECT_FALSE(respawnOnDemandRequested());

    // Ctrl stops counting as down 5000 ms after its last message.
    sim::runFor(5000);
    sim::keyDown(w, keyK);
    sim::keyUp(w, keyK);
    EXPECT_FALSE(respawnOnDemandRequested());
}

TEST(KeyboardChord, KAloneFiresNothingAndKeepsItsRelease) {
    sim::World& w = gameWithBuiltInChords();
    sim::keyDown(w, keyK);
    sim::keyUp(w, keyK);
    EXPECT_FALSE(respawnOnDemandRequested());
    sim::runFor(50);
    sim::keyDown(w, ctrl);
    EXPECT_TRUE(respawnOnDemandRequested()) << "the release of K was not consumed and still counts";
}

TEST(KeyboardChord, SingleKeyModeFiresAtEachReleaseOfKeyOne) {
    sim::World& w = gameWithBuiltInChords();
    settings.respawn_on_demand_key_2_of_2 = -1;
    for (int round = 0; round < 2; ++round) {
        sim::keyDown(w, ctrl);
        EXPECT_FALSE(respawnOnDemandRequested());
        sim::keyUp(w, ctrl);
        EXPECT_TRUE(respawnOnDemandRequested()) << "round " << round;
        EXPECT_FALSE(respawnOnDemandRequested());
        sim::runFor(50);
    }
}

// A chord of Ctrl alone hides none of the chords that hold Ctrl: it fires
// only when no other key was pressed while Ctrl was held, nor held with it.
TEST(KeyboardChord, SingleKeyChordFiresOnlyWhenTheKeyWasPressedAlone) {
    sim::World& w = gameWithBuiltInChords();
    settings.respawn_on_demand_key_2_of_2 = -1;
    constexpr uint32_t keyF7 = 118, keyL = 76, keyW = 87;
    sim::keyDown(w, ctrl);
    sim::keyDown(w, keyF7);
    sim::keyUp(w, keyF7);
    EXPECT_TRUE(menuChordTriggered());
    sim::keyUp(w, ctrl);
    EXPECT_FALSE(respawnOnDemandRequested()) << "Ctrl+F7 opens the menu and respawns nobody";

    sim::runFor(50);
    sim::keyDown(w, ctrl);
    sim::keyDown(w, keyL);
    sim::keyUp(w, keyL);
    EXPECT_TRUE(saveSpawnPointRequested());
    sim::keyUp(w, ctrl);
    EXPECT_FALSE(respawnOnDemandRequested()) << "Ctrl+L saves a point and respawns nobody";

    // Another key held down while Ctrl goes down and up: not alone either.
    sim::runFor(50);
    sim::keyDown(w, keyW);
    sim::keyDown(w, ctrl);
    sim::keyUp(w, ctrl);
    EXPECT_FALSE(respawnOnDemandRequested());
    sim::keyUp(w, keyW);

    sim::runFor(50);
    sim::keyDown(w, ctrl);
    sim::keyUp(w, ctrl);
    EXPECT_TRUE(respawnOnDemandRequested()) << "Ctrl alone still respawns";
}

TEST(KeyboardChord, GatesDoNotConsumeARelease) {
    struct Gate {
        const char* name;
        void (*close)(sim::World&);
        void (*open)(sim::World&);
    };
    const Gate gates[] = {
        {"dead", [](sim::World& w) { w.player()->dead = true; }, [](sim::World& w) { w.player()->dead = false; }},
        {"arrested", [](sim::World& w) { w.beingArrested = true; }, [](sim::World& w) { w.beingArrested = false; }},
        {"faded out", [](sim::World& w) { sim::leaveScreenFadedOut(w); },
         [](sim::World& w) { w.screen.fade = sim::FadeState::FadedIn; }},
        {"fading in",
         [](sim::World& w) {
             w.screen.fade = sim::FadeState::FadingIn;
             w.screen.fadeStart = w.tick();
             w.screen.fadeDuration = 10000;
         },
         [](sim::World& w) { w.screen.fade = sim::FadeState::FadedIn; }},
    };
    for (const Gate& gate : gates) {
        sim::World& w = gameWithBuiltInChords();
        gate.close(w);
        releaseKWithCtrlHeld(w);
        EXPECT_FALSE(respawnOnDemandRequested()) << gate.name;
        sim::runFor(50);
        EXPECT_FALSE(respawnOnDemandRequested()) << gate.name;
        gate.open(w);
        EXPECT_TRUE(respawnOnDemandRequested()) << gate.name << ": the release still counts within its 100 ms";
    }
}

TEST(KeyboardChord, KeysOutsideTheTableAreIgnored) {
    sim::World& w = gameWithBuiltInChords();
    w.keyboardHandler(255, 1, 0, 0, 0, 1, 1);
    w.keyboardHandler(0xFFFFFFFFu, 1, 0, 0, 0, 0, 0);
    EXPECT_FALSE(isKeyDown(255));
    EXPECT_FALSE(isKeyJustReleased(255));
    settings.respawn_on_demand_key_1_of_2 = 300;
    releaseKWithCtrlHeld(w);
    EXPECT_FALSE(keyboardChordTriggered());
}

TEST(KeyboardChord, NoRequestWithin500MsOfLoading) {
    sim::World& w = testing_support::loadPlugin();
    applyBuiltInSettings();
    sim::runFor(450);
    releaseKWithCtrlHeld(w);
    EXPECT_FALSE(respawnOnDemandRequested());
    sim::runFor(67);
    EXPECT_TRUE(respawnOnDemandRequested()) << "the release waited for the guard";
}

TEST(KeyboardChord, WindowsThatEndPastTheWrapOfTheTickCountStillHold) {
    sim::World& w = gameWithBuiltInChords();
    // Move the clock to 4000 ms before the tick count wraps to 0.
    w.setTickBase(0u - 4000u - (w.tick() - 100000u));
    ASSERT_EQ(tickCount(), 0u - 4000u);
    sim::keyDown(w, ctrl);  // down until 1000 ms past the wrap
    sim::runFor(3900);
    sim::keyDown(w, keyK);
    sim::runFor(50);
    sim::keyUp(w, keyK);  // just released until about 50 ms past the wrap
    sim::runFor(17);
    ASSERT_GT(tickCount(), 0xFFFFFF00u) << "still before the wrap";
    EXPECT_TRUE(respawnOnDemandRequested());
}

TEST(ControllerChord, OffNeverFiresNorAsksTheControls) {
    sim::World& w = gameWithBuiltInChords();
    pressControllerChord(w);
    EXPECT_FALSE(respawnOnDemandRequested());
    EXPECT_FALSE(isControllerButtonHeld(44));
    EXPECT_EQ(w.countCalls(controlJustPressedNative), 0);
}

TEST(ControllerChord, HoldOnePressTwoFiresAndGuardsTheNext500Ms) {
    sim::World& w = gameWithBuiltInChords();
    settings.activate_controller = true;
    pressControllerChord(w);
    EXPECT_TRUE(respawnOnDemandRequested());
    EXPECT_EQ(playerState.lastOnDemandTriggerTime, tickCount());
    uint32_t triggeredAt = tickCount();

    sim::runFor(100);
    pressControllerChord(w);
    EXPECT_FALSE(respawnOnDemandRequested()) << "a second chord within 500 ms";

    sim::runFor(350);
    releaseKWithCtrlHeld(w);
    EXPECT_FALSE(respawnOnDemandRequested()) << "a keyboard chord within 500 ms of a controller trigger";
    sim::runUntil([&](sim::World&) { return tickCount() - triggeredAt > 500; }, 200);
    EXPECT_TRUE(respawnOnDemandRequested()) << "the keyboard chord fires once the guard is over";
    EXPECT_EQ(playerState.lastOnDemandTriggerTime, triggeredAt) << "the keyboard does not restart the guard";

    sim::runFor(17);
    pressControllerChord(w);
    EXPECT_TRUE(respawnOnDemandRequested()) << "a controller chord right after a keyboard trigger";
}

TEST(ControllerChord, ButtonTwoPressedWithoutButtonOneFiresNothing) {
    sim::World& w = gameWithBuiltInChords();
    settings.activate_controller = true;
    sim::pressControl(w, 18);
    EXPECT_FALSE(respawnOnDemandRequested());
    sim::holdControl(w, 44);
    sim::runFor(17);  // 18 is still held but no longer just pressed
    EXPECT_FALSE(respawnOnDemandRequested());
}

TEST(ControllerChord, SingleButtonModeFiresOnButtonOneAlone) {
    sim::World& w = gameWithBuiltInChords();
    settings.activate_controller = true;
    settings.respawn_on_demand_controller_button_2_of_2 = -1;
    sim::pressControl(w, 44);
    EXPECT_TRUE(respawnOnDemandRequested());
    sim::runFor(600);
    sim::holdControl(w, 44);
    EXPECT_FALSE(respawnOnDemandRequested()) << "held is not pressed";
}
