#include <gtest/gtest.h>

#include "host/keyboard.h"
#include "plugin/chords.h"
#include "host/library_entry.h"
#include "host/script_entry.h"
#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "tests/support/plugin_state.h"

TEST(LibraryEntry, AttachRegistersScriptAndKeyboardHandlerAndDetachUnregisters) {
    sim::World& w = testing_support::loadPlugin();
    EXPECT_EQ(w.scriptEntry, &scriptMain);
    EXPECT_EQ(w.keyboardHandler, &onKeyboardMessage);
    onLibraryDetach(nullptr);
    EXPECT_EQ(w.scriptEntry, nullptr);
    EXPECT_EQ(w.keyboardHandler, nullptr);
}

TEST(LibraryEntry, StartStateIsCapturedFromTheGame) {
    sim::World& w = testing_support::loadPlugin();
    w.setTickBase(777000);
    captureStartState();
    EXPECT_EQ(playerState.playerId, w.playerId);
    EXPECT_EQ(playerState.playerPed, w.playerPed);
    EXPECT_EQ(playerState.lastPlayerModel, w.player()->model);
    EXPECT_EQ(playerState.lastMainCharacterModel, 0x0D7114C9u);
    EXPECT_EQ(playerState.lastSettingsCheckTime, w.tick());
}
