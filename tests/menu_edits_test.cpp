// The menu's writes against the player's own saves: a change or a delete is
// made only while the file holds what the page showed, a file that cannot be
// read is said to be so, and a point off the map is never visited.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "bench/custom_points_text.h"
#include "menu/menu.h"
#include "settings/settings_record.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_write_job.h"
#include "sim/script_host.h"
#include "tests/support/file_stamp.h"
#include "tests/support/menu_driver.h"
#include "tests/support/plugin_state.h"

namespace {

using namespace testing_support;

const std::string threePoints =
    "custom_spawn_1_x=100.0\ncustom_spawn_1_y=200.0\ncustom_spawn_1_z=30.0\n"
    "custom_spawn_2_x=-1034.6\ncustom_spawn_2_y=-2732.5\ncustom_spawn_2_z=13.8\n"
    "custom_spawn_3_x=450\ncustom_spawn_3_y=5566.0\ncustom_spawn_3_z=20\n";

std::string withPoints(const std::string& points, const char* count) {
    return withSetting(builtInSettingsText(), "number_of_custom_spawn_points_in_use", count) + points;
}

void openPointPage(sim::World& w, const std::string& point) {
    pressMenuChord(w);
    tapKey(w, keyBackspace);
    ASSERT_TRUE(selectLine(w, "Custom points"));
    tapKey(w, keyEnter);
    ASSERT_TRUE(selectLine(w, point));
    tapKey(w, keyEnter);
}

}  // namespace

// The player saves in his editor while the page still shows the value the
// menu read before: a step pressed then writes nothing over his save.
TEST(MenuEdits, AChangeIsMadeOnlyWhileTheFileHoldsTheValueShown) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    pressMenuChord(w);
    ASSERT_TRUE(selectLine(w, "Aircraft in flight"));
    ASSERT_EQ(valueOf(w, "Aircraft in flight").rfind("20 %", 0), 0u);
    const std::string his = withSetting(builtInSettingsText(), "in_air_player_spawn_chance", "50");
    writeSettingsFile(his);
    tapKey(w, keyRight);
    EXPECT_EQ(settingsFileText(), his) << "his save stays as he made it";
    EXPECT_EQ(settings.in_air_player_spawn_chance, 50) << "the page reads his save at once";
    EXPECT_EQ(valueOf(w, "Aircraft in flight").rfind("50 %", 0), 0u);
    EXPECT_TRUE(shows(w, "Pelorin.ini was saved meanwhile, now 50 %: nothing changed"));
    tapKey(w, keyRight);
    EXPECT_EQ(settings.in_air_player_spawn_chance, 55) << "a step from what the page shows now is made";
}

// In a file of 10,000 points, his save that a change met is read again a
// step per frame, as any read of a changed file (never whole in one frame),
// and only then does the notice tell what the file holds.
TEST(MenuEdits, TheReadOfASaveThatAChangeMetGoesAStepPerFrame) {
    const std::string large = withTenThousandCustomPoints(builtInSettingsText());
    sim::World& w = gameStartedWith(large);
    pressMenuChord(w);
    ASSERT_TRUE(selectLine(w, "Aircraft in flight"));
    const std::string his = withSetting(large, "in_air_player_spawn_chance", "50");
    writeSettingsFile(his);
    const uint32_t now = w.tick();
    w.keyMessageAt(now + 10, keyRight, false);
    w.keyMessageAt(now + 60, keyRight, true);
    int framesReading = 0;
    const char* notice = "Pelorin.ini was saved meanwhile, now 50 %: nothing changed";
    ASSERT_TRUE(sim::runUntil(
        [&](sim::World& world) {
            framesReading += settingsReadWanted();
            return shows(world, notice);
        },
        10000));
    EXPECT_GE(framesReading, 2) << "a frame of ours read his 900 KB whole";
    EXPECT_FALSE(settingsReadWanted());
    EXPECT_EQ(settings.in_air_player_spawn_chance, 50);
    EXPECT_EQ(settingsFileText(), his);
    closeMenu();
}

TEST(MenuEdits, APointIsDeletedOnlyWhileTheFileHoldsThePointShown) {
    sim::World& w = gameStartedWith(withPoints(threePoints, "3"));
    openPointPage(w, "Point 2");
    ASSERT_TRUE(selectLine(w, "Delete this point"));
    // His editor saves a new point 2 and moves the old one to 3.
    const std::string his = withPoints(
        "custom_spawn_1_x=100.0\ncustom_spawn_1_y=200.0\ncustom_spawn_1_z=30.0\n"
        "custom_spawn_2_x=2000\ncustom_spawn_2_y=3000\ncustom_spawn_2_z=40\n"
        "custom_spawn_3_x=-1034.6\ncustom_spawn_3_y=-2732.5\ncustom_spawn_3_z=13.8\n"
        "custom_spawn_4_x=450\ncustom_spawn_4_y=5566.0\ncustom_spawn_4_z=20\n",
        "4");
    writeSettingsFile(his);
    tapKey(w, keyEnter);
    EXPECT_EQ(settingsFileText(), his) << "neither his new point nor the moved one is deleted";
    EXPECT_EQ(shownPage(w), "Custom point 2");
    EXPECT_EQ(valueOf(w, "Position"), "2000.0, 3000.0, 40.0") << "the page shows the file's point now";
    EXPECT_TRUE(shows(w, "Pelorin.ini was saved meanwhile with another point here: nothing deleted"));
    tapKey(w, keyEnter);
    EXPECT_EQ(settings.number_of_custom_spawn_points_in_use, 3) << "the point shown now is deleted";
    EXPECT_EQ(settingsFileText().find("custom_spawn_2_x=2000"), std::string::npos);
}

// An empty file is as often one in the middle of an editor's save: nothing is
// written, held or deleted, and the player is told.
TEST(MenuEdits, AFileThatCannotBeReadIsToldAndNothingIsHeldOrDeleted) {
    sim::World& w = gameStartedWith(withPoints(threePoints, "3"));
    openPointPage(w, "Point 1");
    ASSERT_TRUE(selectLine(w, "Delete this point"));
    writeSettingsFile("");
    tapKey(w, keyEnter);
    EXPECT_EQ(settingsFileText(), "");
    EXPECT_EQ(shownPage(w), "Custom point 1");
    EXPECT_TRUE(shows(w, "Pelorin.ini could not be read (it may be being saved): nothing deleted"));
    tapKey(w, keyBackspace);
    tapKey(w, keyBackspace);
    ASSERT_TRUE(selectLine(w, "Where you come back"));
    tapKey(w, keyEnter);
    ASSERT_TRUE(selectLine(w, "Aircraft in flight"));
    tapKey(w, keyRight);
    EXPECT_TRUE(shows(w, "Pelorin.ini could not be read (it may be being saved): nothing changed"));
    const std::string his = withPoints(threePoints, "3");
    writeSettingsFile(his);
    sim::runFor(2500);
    EXPECT_EQ(settingsFileText(), his) << "no change was held to be written over his save";
    EXPECT_EQ(settings.in_air_player_spawn_chance, 20);
}

// A custom spawn treats a point off the map as a missing one; so does the menu.
TEST(MenuEdits, APointOffTheMapIsShownSoAndNotVisited) {
    sim::World& w = gameStartedWith(
        withPoints("custom_spawn_1_x=1e38\ncustom_spawn_1_y=200\ncustom_spawn_1_z=-1e37\n", "1"));
    const sim::Vec3 before = w.player()->position;
    openPointPage(w, "Point 1");
    EXPECT_EQ(valueOf(w, "Position"), "off the map: 1e+38, 200, -1e+37") << "whole, z included";
    EXPECT_EQ(valueOf(w, "Go there now"), "off the map");
    ASSERT_TRUE(selectLine(w, "Go there now"));
    tapKey(w, keyEnter);
    sim::runFor(3000);
    EXPECT_TRUE(isMenuOpen());
    EXPECT_FLOAT_EQ(w.player()->position.x, before.x) << "the player stays where he is";
    EXPECT_FLOAT_EQ(w.player()->position.y, before.y);
}

// A file written a moment ago may be an editor's save under way (truncated,
// half written): the menu's write waits until it has been still a while.
TEST(MenuEdits, AWriteWaitsUntilTheFileHasBeenStillAWhile) {
    sim::World& w = gameStartedWith(withPoints(threePoints, "3"));
    pressMenuChord(w);
    ASSERT_TRUE(selectLine(w, "Aircraft in flight"));
    const std::string half = settingsFileText().substr(0, settingsFileText().size() / 2);
    writeSettingsFile(half);  // the first half of his save, whole by every test but time
    stampSettingsFileSavedNow();
    tapKey(w, keyRight);
    EXPECT_EQ(settingsFileText(), half) << "nothing written into a save under way";
    EXPECT_TRUE(shows(w, "saving\u2026 (Pelorin.ini was saved a moment ago)"));
    const std::string his = withSetting(withPoints(threePoints, "3"), "in_air_player_spawn_chance", "20");
    sim::runFor(500);
    writeSettingsFile(his);  // the save done
    stampSettingsFileSavedNow();
    sim::runFor(1000);
    EXPECT_EQ(settingsFileText(), his) << "still within the wait after his last write";
    sim::runFor(1000);
    EXPECT_EQ(settings.in_air_player_spawn_chance, 25) << "the step made once the file is still";
    EXPECT_EQ(settingsFileText(), withSetting(his, "in_air_player_spawn_chance", "25")) << "every byte of his kept";

    // A delete waits the same way.
    tapKey(w, keyBackspace);
    ASSERT_TRUE(selectLine(w, "Custom points"));
    tapKey(w, keyEnter);
    ASSERT_TRUE(selectLine(w, "Point 3"));
    tapKey(w, keyEnter);
    ASSERT_TRUE(selectLine(w, "Delete this point"));
    stampSettingsFileSavedNow();
    tapKey(w, keyEnter);
    EXPECT_EQ(settings.number_of_custom_spawn_points_in_use, 3);
    sim::runFor(2000);
    EXPECT_EQ(settings.number_of_custom_spawn_points_in_use, 2);
}

// A delete in a file of 10,000 points is a write over many frames: the page
// says "saving…" while it runs, and when it ends the point's page closes on
// the list with every later point moved up.
TEST(MenuEdits, ADeleteInALargeFileGoesOnOverFramesAndSaysSoUntilItEnds) {
    const std::string large =
        withTenThousandCustomPoints(builtInSettingsWith({{"number_of_custom_spawn_points_in_use", "10000"}}));
    sim::World& w = gameStartedWith(large);
    openPointPage(w, "Point 1");
    ASSERT_TRUE(selectLine(w, "Delete this point"));
    uint32_t now = w.tick();
    w.keyMessageAt(now + 10, keyEnter, false);
    w.keyMessageAt(now + 60, keyEnter, true);
    ASSERT_TRUE(sim::runUntil([](sim::World&) { return settingsWriteRunning(); }, 1000));
    sim::runFor(20);
    ASSERT_TRUE(settingsWriteRunning()) << "a write of 824 KB in steps of 0.5 ms lasts more than a frame or two";
    EXPECT_TRUE(shows(w, "saving\u2026"));
    EXPECT_EQ(shownPage(w), "Custom point 1");
    // Three times the work of a read: the text made, written and parsed.
    ASSERT_TRUE(sim::runUntil([](sim::World&) { return !settingsWriteRunning(); },
                              4 * steppedReadMilliseconds(large.size())));
    sim::runFor(100);
    EXPECT_EQ(shownPage(w), "Custom points");
    EXPECT_FALSE(shows(w, "saving\u2026"));
    EXPECT_EQ(settings.number_of_custom_spawn_points_in_use, 9999);
    const std::string file = settingsFileText();
    EXPECT_EQ(file.find("custom_spawn_10000_x"), std::string::npos);
    EXPECT_NE(file.find("custom_spawn_1_x=-1498.5"), std::string::npos) << "point 2 is point 1 now";
}
