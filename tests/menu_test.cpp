// The in-game menu driven with keys and controls in the simulated game: what
// it shows, what it writes to the settings file, the custom points and their
// blips, and when it closes.
#include <sys/stat.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "checker/first_findings.h"
#include "menu/menu.h"
#include "settings/settings_record.h"
#include "shared/player_state.h"
#include "sim/game_events.h"
#include "sim/script_host.h"
#include "sim/soak_memory.h"
#include "sim/terrain.h"
#include "tests/support/call_log.h"
#include "tests/support/menu_driver.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

using namespace testing_support;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

long notificationsOf(const sim::World& w, const std::string& text) {
    return std::count(w.notifications.begin(), w.notifications.end(), text);
}

// The notices of a save ("Pelorin.ini modified", with the problems found in the saved file when it has any).
long saveNotices(const sim::World& w) {
    return std::count_if(w.notifications.begin(), w.notifications.end(),
                         [](const std::string& shown) { return shown.rfind("Pelorin.ini modified", 0) == 0; });
}

// Three custom points written by hand, one of them without its height.
std::string withThreePoints(const std::string& text) {
    return withSetting(text, "number_of_custom_spawn_points_in_use", "3") +
           "custom_spawn_1_x=100.0\ncustom_spawn_1_y=200.0\ncustom_spawn_1_z=30.0\n"
           "custom_spawn_2_x=-1034.6\ncustom_spawn_2_y=-2732.5\ncustom_spawn_2_z=13.8\n"
           "custom_spawn_3_x=450\ncustom_spawn_3_y=\"5566.0\"\n";
}

void openCustomPoints(sim::World& w) {
    pressMenuChord(w);
    tapKey(w, keyBackspace);
    ASSERT_TRUE(selectLine(w, "Custom points"));
    tapKey(w, keyEnter);
    ASSERT_EQ(shownPage(w), "Custom points");
}

}  // namespace

TEST(Menu, TheChordOpensWhereYouComeBackOnItsFirstLineAndCloses) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    EXPECT_TRUE(w.lastFrame.items.empty());
    pressMenuChord(w);
    ASSERT_TRUE(isMenuOpen());
    EXPECT_EQ(shownPage(w), "Where you come back");
    EXPECT_EQ(selectedLine(w), "Alternative respawn");
    EXPECT_EQ(valueOf(w, "Point from the list"), "40 % (40.4 % of respawns)");
    EXPECT_EQ(valueOf(w, "Random point of the map"), "10 % (9.1 % of respawns)") << "rolls run from 1 to 99";
    EXPECT_TRUE(shows(w, "1/17")) << "17 lines, 12 shown at a time";
    // Drawn on every frame while open, and gone when the chord closes it.
    for (int frame = 0; frame < 30; ++frame) {
        sim::runFor(1);
        EXPECT_EQ(shownPage(w), "Where you come back") << frame;
    }
    pressMenuChord(w);
    EXPECT_FALSE(isMenuOpen());
    EXPECT_TRUE(w.lastFrame.items.empty());
}

TEST(Menu, AClosedMenuCostsAFrameNoNativeCall) {
    // The same two seconds of play with the menu's chord set and without it.
    auto callsInTwoSeconds = [](const std::string& text) {
        sim::World& w = gameStartedWith(text);
        uint64_t before = w.nativeCallCount;
        sim::runFor(2000);
        return w.nativeCallCount - before;
    };
    std::string without = builtInSettingsWith({{"menu_key_1_of_2", "-1"}, {"menu_key_2_of_2", "-1"}});
    EXPECT_EQ(callsInTwoSeconds(builtInSettingsText()), callsInTwoSeconds(without));
    // Nor does F7 alone, or Ctrl held: only the chord asks the game anything.
    sim::World& w = gameStartedWith(builtInSettingsText());
    size_t logged = w.calls.size();
    tapKey(w, keyF7);
    w.keyMessageAt(w.tick() + 10, keyCtrl, false);
    sim::runFor(500);
    EXPECT_EQ(firstCallIndex(w, frameCountNative, logged), -1);
    EXPECT_EQ(firstCallIndex(w, drawRectNative, logged), -1);
    EXPECT_FALSE(isMenuOpen());
}

TEST(Menu, MovingScrollsAndHoldingARepeats) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    pressMenuChord(w);
    tapKey(w, keyUp);
    EXPECT_EQ(selectedLine(w), "Aircraft") << "up from the first line wraps to the last";
    EXPECT_TRUE(shows(w, "17/17"));
    EXPECT_FALSE(shows(w, "Alternative respawn")) << "scrolled";
    tapKey(w, keyDown);
    EXPECT_EQ(selectedLine(w), "Alternative respawn");
    // Down held for a second moves on by itself after a short pause: about
    // one move, then six or seven in the 600 ms after 400 ms.
    auto moves = [&w] { return std::count_if(w.sounds.begin(), w.sounds.end(),
                                              [](const sim::SoundRecord& s) { return s.sound == "Highlight_Move"; }); };
    long before = moves();
    w.keyMessageAt(w.tick() + 10, keyDown, false);
    w.keyMessageAt(w.tick() + 380, keyDown, true);
    sim::runFor(500);
    EXPECT_EQ(moves() - before, 1) << "no repeat before 400 ms";
    w.keyMessageAt(w.tick() + 10, keyDown, false);
    w.keyMessageAt(w.tick() + 1000, keyDown, true);
    sim::runFor(1100);
    EXPECT_GE(moves() - before, 1 + 6);
    EXPECT_LE(moves() - before, 1 + 8);
}

TEST(Menu, AChangeIsWrittenAtOnceAndEveryOtherByteStays) {
    std::string shipped = shippedSettingsText();
    sim::World& w = gameStartedWith(shipped);
    pressMenuChord(w);
    ASSERT_TRUE(selectLine(w, "Point from the list"));
    tapKey(w, keyRight);
    EXPECT_EQ(settingsFileText(), replaced(shipped, "on_point_from_list_player_spawn_chance=40",
                                           "on_point_from_list_player_spawn_chance=45"));
    EXPECT_EQ(settings.on_point_from_list_player_spawn_chance, 45) << "in effect at once";
    EXPECT_EQ(valueOf(w, "Point from the list"), "45 % (45.5 % of respawns)");
    EXPECT_EQ(valueOf(w, "Vehicle on a road"), "30 % (30.3 % of respawns)");
    EXPECT_EQ(valueOf(w, "Random point of the map"), "10 % (4.0 % of respawns)") << "the roll leaves it 4 of 99";

    // A choice by its name, and a wait on the Timing page; both ends of a range hold.
    ASSERT_TRUE(selectLine(w, "Land vehicle"));
    tapKey(w, keyLeft);
    EXPECT_EQ(valueOf(w, "Land vehicle"), "all") << "1 is the first choice";
    tapKey(w, keyRight);
    EXPECT_EQ(valueOf(w, "Land vehicle"), "motorcycles");
    tapKey(w, keyBackspace);
    ASSERT_TRUE(selectLine(w, "Timing"));
    tapKey(w, keyEnter);
    ASSERT_TRUE(selectLine(w, "Slow motion at death"));
    tapKeys(w, keyRight, 5);
    EXPECT_EQ(valueOf(w, "Slow motion at death"), "1 x speed");
    std::string text = settingsFileText();
    EXPECT_NE(text.find("\nslow_motion_at_wasted_and_busted_screens=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\nland_vehicle_type=2\r\n"), std::string::npos);
    sim::runFor(2500);
    EXPECT_EQ(saveNotices(w), 0) << "our own writes are not announced";
}

TEST(Menu, AChangeTheFileCannotTakeLastsUntilTheGameClosesAndIsToldOnce) {
    std::string text = builtInSettingsText();
    sim::World& w = gameStartedWith(text);
    std::string path = gameDirectory() + "/Pelorin.ini";
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    pressMenuChord(w);
    ASSERT_TRUE(selectLine(w, "Vehicle on a road"));
    tapKey(w, keyRight);
    EXPECT_TRUE(shows(w, "Pelorin.ini cannot be written: changes last until the game closes"));
    EXPECT_EQ(settings.in_vehicle_on_road_player_spawn_chance, 35);
    sim::runFor(6000);  // the notice has gone; the once-a-second reads keep the change
    tapKey(w, keyRight);
    EXPECT_EQ(valueOf(w, "Vehicle on a road"), "40 % (40.4 % of respawns)");
    EXPECT_FALSE(shows(w, "Pelorin.ini cannot be written: changes last until the game closes")) << "said once";
    sim::runFor(3000);
    EXPECT_EQ(settings.in_vehicle_on_road_player_spawn_chance, 40);
    chmod(path.c_str(), 0644);
    EXPECT_EQ(settingsFileText(), text);
}

TEST(Menu, ThePlayersSaveDecidesOverAChangeTheFileCouldNotTake) {
    std::string text = builtInSettingsText();
    sim::World& w = gameStartedWith(text);
    std::string path = gameDirectory() + "/Pelorin.ini";
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    pressMenuChord(w);
    ASSERT_TRUE(selectLine(w, "Vehicle on a road"));
    tapKey(w, keyRight);
    ASSERT_EQ(settings.in_vehicle_on_road_player_spawn_chance, 35) << "held";
    sim::runFor(1500);
    EXPECT_EQ(settings.in_vehicle_on_road_player_spawn_chance, 35) << "the reads keep the held change";
    // The player makes the file writable and saves a text of his own.
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    writeSettingsFile(
        builtInSettingsWith({{"at_death_point_spawn_chance", "5"}, {"on_point_from_list_player_spawn_chance", "35"}}));
    sim::runFor(1500);
    EXPECT_EQ(settings.at_death_point_spawn_chance, 5);
    EXPECT_EQ(settings.in_vehicle_on_road_player_spawn_chance, 30) << "his save, not the held change";
    EXPECT_EQ(valueOf(w, "Vehicle on a road"), "30 % (30.3 % of respawns)");
    EXPECT_EQ(notificationsOf(w, "Pelorin.ini modified"), 1) << "a save without problems";
}

TEST(Menu, AChangeMadeInTheEditorShowsWithinASecond) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    pressMenuChord(w);
    EXPECT_EQ(valueOf(w, "Death point"), "0 % (0.0 % of respawns)");
    writeSettingsFile(builtInSettingsWith({{"at_death_point_spawn_chance", "25"}}));
    bool shown = sim::runUntil([](sim::World& world) { return valueOf(world, "Death point") == "25 % (9.1 % of respawns)"; },
                               1100);
    EXPECT_TRUE(shown) << valueOf(w, "Death point");
    EXPECT_EQ(valueOf(w, "Random point of the map"), "10 % (0.0 % of respawns)");
}

TEST(Menu, TheControllerMovesAndActsThroughTheFrontEndControls) {
    sim::World& w = gameStartedWith(builtInSettingsWith({{"menu_controller_button_1_of_2", "205"},
                                                         {"menu_controller_button_2_of_2", "206"}}));
    sim::holdControl(w, 205);
    tapControl(w, 206);
    sim::releaseControl(w, 205);
    ASSERT_TRUE(isMenuOpen()) << "the controller chord opens it";
    tapControl(w, padDown);
    tapControl(w, padDown);
    EXPECT_EQ(selectedLine(w), "Vehicle on a road");
    tapControl(w, padRight);
    EXPECT_EQ(settings.in_vehicle_on_road_player_spawn_chance, 35);
    tapControl(w, padCancel);
    EXPECT_EQ(shownPage(w), "Pages");
    tapControl(w, padUp);
    tapControl(w, padAccept);
    EXPECT_EQ(shownPage(w), "About");
    EXPECT_EQ(valueOf(w, "Version"), "1.0.0");
    // While open, the game's clashing controls are off on every frame (the
    // game enables them again at each frame's end); closed, none is.
    auto clashingOff = [](sim::World& world) {
        for (int32_t control : {24, 27, 37, 140, 172, 177, 205})
            if (!world.controlsDisabled.count(control)) return false;
        return true;
    };
    int framesOff = 0;
    sim::runUntil([&](sim::World& world) { framesOff += clashingOff(world); return false; }, 500);
    EXPECT_GE(framesOff, 30) << "of about 60 looks, two per frame";
    tapControl(w, padCancel);
    tapControl(w, padCancel);
    EXPECT_FALSE(isMenuOpen());
    EXPECT_FALSE(sim::runUntil([](sim::World& world) { return !world.controlsDisabled.empty(); }, 500));
}

TEST(Menu, ItNeverOpensAndItClosesInADeathAnArrestALoadingScreenACutsceneOrABlackScreen) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    pressMenuChord(w);
    ASSERT_TRUE(isMenuOpen());
    sim::killPlayer(w);
    sim::runFor(100);
    EXPECT_FALSE(isMenuOpen());
    sim::runFor(300);
    EXPECT_TRUE(w.lastFrame.items.empty() || shownPage(w).empty());
    pressMenuChord(w);
    EXPECT_FALSE(isMenuOpen()) << "not while dead";
    sim::runUntil([](sim::World& world) { return world.player() && !world.player()->dead &&
                                                 world.screen.fade == sim::FadeState::FadedIn; }, 60000);
    sim::runFor(3000);
    pressMenuChord(w);
    ASSERT_TRUE(isMenuOpen()) << "after the respawn";

    sim::showLoadingScreen(w, 2000);
    sim::runFor(100);
    EXPECT_FALSE(isMenuOpen());
    pressMenuChord(w);
    EXPECT_FALSE(isMenuOpen()) << "not during a loading screen";
    sim::runFor(15000);

    pressMenuChord(w);
    ASSERT_TRUE(isMenuOpen());
    sim::playCutscene(w, 2000);
    sim::runFor(100);
    EXPECT_FALSE(isMenuOpen());
    pressMenuChord(w);
    EXPECT_FALSE(isMenuOpen()) << "not during a cutscene";
    sim::runFor(2500);

    pressMenuChord(w);
    ASSERT_TRUE(isMenuOpen());
    sim::otherScriptFadesOut(w, 0, 1000);
    sim::runFor(100);
    EXPECT_FALSE(isMenuOpen()) << "a black screen closes it";
    sim::runFor(2500);

    pressMenuChord(w);
    ASSERT_TRUE(isMenuOpen());
    sim::arrestPlayer(w);
    sim::runFor(100);
    EXPECT_FALSE(isMenuOpen());
}

TEST(Menu, RespawnNowAndGoThereCloseTheMenuAndMoveThePlayer) {
    sim::World& w = gameStartedWith(withThreePoints(builtInSettingsText()));
    sim::Vec3 start = w.player()->position;
    pressMenuChord(w);
    tapKey(w, keyBackspace);
    ASSERT_TRUE(selectLine(w, "Respawn now"));
    tapKey(w, keyEnter);
    EXPECT_FALSE(isMenuOpen());
    sim::runFor(3000);
    EXPECT_GT(std::hypot(w.player()->position.x - start.x, w.player()->position.y - start.y), 1.0f);

    openCustomPoints(w);
    ASSERT_TRUE(selectLine(w, "Point 2"));
    tapKey(w, keyEnter);
    EXPECT_EQ(shownPage(w), "Custom point 2");
    EXPECT_EQ(valueOf(w, "Position"), "-1034.6, -2732.5, 13.8");
    EXPECT_EQ(selectedLine(w), "Go there now");
    tapKey(w, keyEnter);
    EXPECT_FALSE(isMenuOpen());
    sim::runFor(3000);
    EXPECT_NEAR(w.player()->position.x, -1034.6f, 0.1f);
    EXPECT_NEAR(w.player()->position.y, -2732.5f, 0.1f);
    EXPECT_NEAR(w.player()->position.z, sim::terrainHeight(-1034.6f, -2732.5f), 1.5f);
}

TEST(Menu, PointsAreListedWithDistanceAndDirectionAndAMiddleOneIsDeletedInOneWrite) {
    std::string text = withThreePoints(builtInSettingsText());
    sim::World& w = gameStartedWith(text);
    w.player()->position = sim::Vec3{100.0f, 100.0f, 30.0f};
    openCustomPoints(w);
    EXPECT_EQ(valueOf(w, "Point 1"), "100 m N");
    EXPECT_EQ(valueOf(w, "Point 2"), "3.1 km S");
    EXPECT_EQ(valueOf(w, "Point 3"), "5.5 km N");
    ASSERT_TRUE(selectLine(w, "Point 2"));
    tapKey(w, keyEnter);
    ASSERT_TRUE(selectLine(w, "Delete this point"));
    tapKey(w, keyEnter);
    // Point 3 is point 2 now, its values as written (the missing height stays
    // missing); point 3 is gone and the count lowered; nothing else moved.
    std::string expected = withSetting(builtInSettingsText(), "number_of_custom_spawn_points_in_use", "2") +
                           "custom_spawn_1_x=100.0\ncustom_spawn_1_y=200.0\ncustom_spawn_1_z=30.0\n"
                           "custom_spawn_2_x=450\ncustom_spawn_2_y=5566.0\n";
    EXPECT_EQ(settingsFileText(), expected);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 2 deleted"), 1);
    EXPECT_EQ(shownPage(w), "Custom points") << "back to the list";
    EXPECT_EQ(valueOf(w, "Point 2"), "5.5 km N");
    EXPECT_FALSE(shows(w, "Point 3"));
    sim::runFor(2500);
    EXPECT_EQ(saveNotices(w), 0);
    EXPECT_EQ(settings.number_of_custom_spawn_points_in_use, 2);
}

TEST(Menu, ADeletionMovesUpThePointsBeyondTheCountTooSoThatTheNextSaveLeavesNoGap) {
    // Three points, of which the count uses two.
    std::string text = withSetting(withThreePoints(builtInSettingsText()), "number_of_custom_spawn_points_in_use", "2");
    sim::World& w = gameStartedWith(text);
    w.player()->position = sim::Vec3{-500.0f, 700.0f, 40.0f};
    openCustomPoints(w);
    EXPECT_FALSE(shows(w, "Point 3")) << "not in use";
    ASSERT_TRUE(selectLine(w, "Point 1"));
    tapKey(w, keyEnter);
    ASSERT_TRUE(selectLine(w, "Delete this point"));
    tapKey(w, keyEnter);
    std::string expected = withSetting(builtInSettingsText(), "number_of_custom_spawn_points_in_use", "1") +
                           "custom_spawn_1_x=-1034.6\ncustom_spawn_1_y=-2732.5\ncustom_spawn_1_z=13.8\n"
                           "custom_spawn_2_x=450\ncustom_spawn_2_y=5566.0\n";
    EXPECT_EQ(settingsFileText(), expected);
    // The next save follows the highest point, now 2, and counts it in.
    ASSERT_TRUE(selectLine(w, "Save where I stand"));
    tapKey(w, keyEnter);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 3 saved"), 1);
    EXPECT_EQ(settings.number_of_custom_spawn_points_in_use, 3);
    EXPECT_NE(settingsFileText().find("custom_spawn_2_x=450\n"), std::string::npos) << "no gap below point 3";
}

TEST(Menu, TheMapsWaypointIsSavedAsTheNextPoint) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    openCustomPoints(w);
    EXPECT_EQ(valueOf(w, "Save the map's waypoint"), "none set");
    ASSERT_TRUE(selectLine(w, "Save the map's waypoint"));
    tapKey(w, keyEnter);
    EXPECT_TRUE(shows(w, "No waypoint is set on the map"));
    EXPECT_EQ(settingsFileText(), builtInSettingsText());

    sim::setWaypoint(w, 1200.0f, -800.0f);
    sim::runFor(100);
    EXPECT_EQ(valueOf(w, "Save the map's waypoint"), "");
    tapKey(w, keyEnter);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 1 saved"), 1);
    std::string text = settingsFileText();
    EXPECT_NE(text.find("\ncustom_spawn_1_x=1200.00\ncustom_spawn_1_y=-800.00\n"), std::string::npos) << text;
    char height[48];
    std::snprintf(height, sizeof height, "\ncustom_spawn_1_z=%.2f\n", sim::terrainHeight(1200.0f, -800.0f) + 1.0f);
    EXPECT_NE(text.find(height), std::string::npos) << "a standing height above the ground below it";
    EXPECT_TRUE(shows(w, "Point 1"));
}

TEST(Menu, BlipsShowThePointsFollowTheFileAndGoWhenSwitchedOffOrAtANewGame) {
    sim::World& w = gameStartedWith(withThreePoints(builtInSettingsText()));
    openCustomPoints(w);
    ASSERT_TRUE(selectLine(w, "Show the points on the map"));
    tapKey(w, keyEnter);
    EXPECT_EQ(valueOf(w, "Show the points on the map"), "On");
    ASSERT_EQ(w.scriptBlipCount(), 3);
    bool named = false;
    for (const auto& entry : w.blips)
        named = named || (entry.second.name == "Custom spawn point 2" && entry.second.position.x == -1034.6f);
    EXPECT_TRUE(named);
    tapKey(w, keyLeft);
    EXPECT_EQ(w.scriptBlipCount(), 0) << "switched off";
    tapKey(w, keyRight);
    EXPECT_EQ(w.scriptBlipCount(), 3);

    // Closed, the blips stay and follow a point added in the editor.
    pressMenuChord(w);
    writeSettingsFile(withSetting(withThreePoints(builtInSettingsText()), "number_of_custom_spawn_points_in_use", "4") +
                      "custom_spawn_4_x=1\ncustom_spawn_4_y=2\ncustom_spawn_4_z=3\n");
    sim::runFor(1500);
    EXPECT_EQ(w.scriptBlipCount(), 4);
    // A new game: gone, and off.
    sim::showLoadingScreen(w, 3000);
    sim::runFor(20000);
    EXPECT_EQ(w.scriptBlipCount(), 0);
    openCustomPoints(w);
    EXPECT_EQ(valueOf(w, "Show the points on the map"), "Off");
}

TEST(Menu, KeepsItsShapeOnAWideScreen) {
    auto menuWidthInHeights = [](float ratio) {
        sim::World& w = gameStartedWith(builtInSettingsText());
        w.screen.aspectRatio = ratio;
        pressMenuChord(w);
        for (const sim::ScreenItem& item : w.lastFrame.items)
            if (!item.isText) return item.rect.width * ratio;
        return 0.0f;
    };
    float normal = menuWidthInHeights(16.0f / 9.0f);
    EXPECT_GT(normal, 0.3f);
    EXPECT_NEAR(menuWidthInHeights(21.0f / 9.0f), normal, 1e-4f);
    EXPECT_NEAR(menuWidthInHeights(4.0f / 3.0f), normal, 1e-4f);
}

TEST(Menu, AnOpenPageIsDrawnWithoutAHeapAllocation) {
    sim::World& w = gameStartedWith(withThreePoints(builtInSettingsText()));
    w.logCalls = false;
    openCustomPoints(w);
    ASSERT_TRUE(selectLine(w, "Point 3"));
    // Half a second between two once-a-second checks, on each page.
    auto allocationsWhileShown = [&w] {
        uint32_t check = playerState.lastSettingsCheckTime;
        sim::runUntil([check](sim::World&) { return playerState.lastSettingsCheckTime != check; }, 1500);
        uint64_t before = sim::soak::pluginAllocationCount();
        sim::runFor(500);
        return sim::soak::pluginAllocationCount() - before;
    };
    EXPECT_EQ(allocationsWhileShown(), 0u);
    EXPECT_EQ(shownPage(w), "Custom points");
    tapKey(w, keyBackspace);
    ASSERT_TRUE(selectLine(w, "Where you come back"));
    tapKey(w, keyEnter);
    EXPECT_EQ(allocationsWhileShown(), 0u);
    EXPECT_EQ(shownPage(w), "Where you come back");
}

// The page's check reads the file in slices; one that is gone or empty when
// the page opens ends the check with that word, never "checking…" for good.
TEST(Menu, TheAboutPageSaysWhenTheFileIsGoneOrEmpty) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    for (const char* kept : {static_cast<const char*>(""), static_cast<const char*>(nullptr)}) {
        if (kept) std::ofstream("Pelorin.ini", std::ios::binary | std::ios::trunc) << kept;
        else std::remove("Pelorin.ini");
        ASSERT_TRUE(openMenuPage(w, "About"));
        ASSERT_TRUE(sim::runUntil(
            [](sim::World& world) { return valueOf(world, "Settings check") != "checking\u2026"; }, 500));
        EXPECT_EQ(valueOf(w, "Settings check"), kept ? "empty file" : "no file");
        tapKey(w, keyBackspace);
    }
    closeMenu();
}

TEST(Menu, TheAboutPageChecksALargeFileAStepPerFrameAndEndsWithTheWholeChecksFindings) {
    std::string text = builtInSettingsWith({{"number_of_custom_spawn_points_in_use", "10000"}});
    text += "unknown_key_of_mine=1\r\ncustom_spawn_1_x=not a number\r\n";
    for (int k = 1; k <= 10000; ++k)
        text += "custom_spawn_" + std::to_string(k) + "_x=" + std::to_string(k % 3000) + ".5\r\ncustom_spawn_" +
                std::to_string(k) + "_y=12.25\r\ncustom_spawn_" + std::to_string(k) + "_z=300\r\n";
    FirstFindings whole;
    ProfileSection section;
    checkSettings(text, &section, &whole, nullptr);
    ASSERT_GE(whole.count(), 2);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%d error%s, %d warning%s", whole.errors(), whole.errors() == 1 ? "" : "s",
                  whole.warnings(), whole.warnings() == 1 ? "" : "s");

    sim::World& w = gameStartedWith(text);
    pressMenuChord(w);
    tapKey(w, keyBackspace);
    ASSERT_TRUE(selectLine(w, "About"));
    uint32_t now = w.tick();
    w.keyMessageAt(now + 10, keyEnter, false);
    w.keyMessageAt(now + 60, keyEnter, true);
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return shownPage(world) == "About"; }, 200));
    EXPECT_EQ(valueOf(w, "Settings check"), "checking\u2026") << "a file of 10,000 points takes more than a frame";
    ASSERT_TRUE(sim::runUntil(
        [](sim::World& world) { return valueOf(world, "Settings check") != "checking\u2026"; },
        steppedReadMilliseconds(text.size())));
    EXPECT_EQ(valueOf(w, "Settings check"), expected);
    closeMenu();
}
