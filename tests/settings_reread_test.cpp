#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/custom_points_text.h"
#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "settings_io/settings_store.h"
#include "tools/settings_check_list.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "tests/support/plugin_state.h"

namespace {

const std::string modifiedNotice = "Pelorin.ini modified";

// Writes the settings file and gives it a last-write time of its own (in
// seconds), so that a change of the file is seen whatever the clock says.
void writeSettingsAt(const std::string& text, long seconds) {
    testing_support::writeSettingsFile(text);
    timespec times[2] = {{seconds, 0}, {seconds, 0}};
    std::string path = testing_support::gameDirectory() + "/Pelorin.ini";
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// The notices of a save, with or without the problems found in it.
long modifiedNotices(const sim::World& w) {
    return std::count_if(w.notifications.begin(), w.notifications.end(),
                         [](const std::string& notice) { return notice.rfind(modifiedNotice, 0) == 0; });
}

std::string fileText() {
    std::ifstream in(testing_support::gameDirectory() + "/Pelorin.ini", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(SettingsReread, UnchangedFileIsReReadEverySecondWithoutNotice) {
    sim::World& w = testing_support::loadPlugin();
    std::string text = testing_support::builtInSettingsText();
    writeSettingsAt(text, 1700000000);
    uint32_t start = w.tick();
    sim::startScript();
    sim::runFor(500);
    EXPECT_EQ(settings.first_wait_time, 5500.0f);
    // New content under the same last-write time: no change is reported, yet
    // the next check reads it, about 1000 ms after start.
    writeSettingsAt(testing_support::withSetting(text, "first_wait_time", "6500"), 1700000000);
    sim::runUntil([start](sim::World& world) { return world.tick() - start >= 950; }, 1000);
    EXPECT_EQ(settings.first_wait_time, 5500.0f);
    // The read is sized by real time: on a busy machine it may take a frame or two more.
    sim::runFor(150);
    EXPECT_EQ(settings.first_wait_time, 6500.0f);
    writeSettingsAt(testing_support::withSetting(text, "first_wait_time", "7500"), 1700000000);
    sim::runFor(1050);
    EXPECT_EQ(settings.first_wait_time, 7500.0f);
    sim::runFor(3000);
    EXPECT_EQ(modifiedNotices(w), 0);
}

TEST(SettingsReread, SavedFileIsAnnouncedOnceAtTheNextCheck) {
    sim::World& w = testing_support::loadPlugin();
    std::string text = testing_support::builtInSettingsText();
    writeSettingsAt(text, 1700000000);
    sim::startScript();
    sim::runFor(1500);
    writeSettingsAt(testing_support::withSetting(text, "in_air_player_spawn_chance", "35"), 1700000010);
    uint32_t saved = w.tick();
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return modifiedNotices(world) > 0; }, 1100));
    EXPECT_LE(w.tick() - saved, 1050u);
    EXPECT_EQ(settings.in_air_player_spawn_chance, 35);
    sim::runFor(3000);
    EXPECT_EQ(modifiedNotices(w), 1);
}

namespace {

// The warnings and errors of the checker's list: what the notice of a save counts.
long problemsIn(const std::string& text) {
    SettingsCheck check = checkSettingsText(text);
    return std::count_if(check.findings.begin(), check.findings.end(),
                         [](const SettingsFinding& f) { return f.severity != CheckSeverity::Note; });
}

}  // namespace

TEST(SettingsReread, ASaveWithProblemsSaysHowManyAndWhereTheyAreExplained) {
    sim::World& w = testing_support::loadPlugin();
    std::string text = testing_support::builtInSettingsText();
    ASSERT_EQ(problemsIn(text), 0);
    writeSettingsAt(text, 1700000000);
    sim::startScript();
    sim::runFor(1500);
    // A wait typed in seconds as minutes, a vehicle list that does not exist, and a key set twice.
    std::string three = testing_support::withSetting(testing_support::withSetting(text, "first_wait_time", "600000"),
                                                     "land_vehicle_type", "99") +
                        "in_air_player_spawn_chance=20\n";
    ASSERT_EQ(problemsIn(three), 3);
    writeSettingsAt(three, 1700000010);
    sim::runFor(1100);
    std::string one = testing_support::withSetting(text, "land_vehicle_type", "99");
    ASSERT_EQ(problemsIn(one), 1);
    writeSettingsAt(one, 1700000020);
    sim::runFor(1100);
    writeSettingsAt(text, 1700000030);
    sim::runFor(1100);
    const std::vector<std::string> notices = {"Pelorin.ini modified: 3 problems, run pelorin-check.exe",
                                              "Pelorin.ini modified: 1 problem, run pelorin-check.exe",
                                              "Pelorin.ini modified"};
    std::vector<std::string> shown;
    for (const std::string& notice : w.notifications)
        if (notice.rfind(modifiedNotice, 0) == 0) shown.push_back(notice);
    EXPECT_EQ(shown, notices);
}

TEST(SettingsReread, OwnWriteOfTheStoredSkinIsNotAnnounced) {
    sim::World& w = testing_support::loadPlugin();
    std::string text = testing_support::withSetting(testing_support::builtInSettingsText("stored_last_used_skin=225514697\n"),
                                 "wait_time_before_skin_change", "0");
    writeSettingsAt(text, 1700000000);
    sim::startScript();
    sim::runFor(1500);
    w.player()->model = sim::joaat("player_one");
    sim::runFor(1100);
    ASSERT_NE(fileText().find("stored_last_used_skin=-1692214353\n"), std::string::npos);
    EXPECT_EQ(readStoredSkin(), sim::joaat("player_one"));
    sim::runFor(3000);
    EXPECT_EQ(modifiedNotices(w), 0);
    // The next save by the user is announced again.
    writeSettingsAt(testing_support::withSetting(fileText(), "first_wait_time", "6000"), 1700000020);
    sim::runFor(1100);
    EXPECT_EQ(modifiedNotices(w), 1);
}

TEST(SettingsReread, ChecksGoOnAcrossTheWrapOfTheTickCount) {
    sim::World& w = testing_support::loadPlugin();
    w.setTickBase(0xFFFFF000u);  // the count wraps 4096 ms after start
    std::string text = testing_support::withSetting(testing_support::withSetting(testing_support::builtInSettingsText(), "use_respawn_on_demand_automatically",
                                           "0"),
                                 "player_ped_skin_upon_respawn", "0");
    writeSettingsAt(text, 1700000000);
    sim::startScript();
    sim::runFor(2100);
    // A loading screen holds the main loop from before the wrap until after it.
    w.screen.loadingScreen = true;
    sim::runFor(5000);
    w.screen.loadingScreen = false;
    sim::runFor(100);
    ASSERT_LT(w.tick(), 0x10000u);
    writeSettingsAt(testing_support::withSetting(text, "preferred_spawn_distance", "80"), 1700000010);
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return modifiedNotices(world) == 1; }, 1100));
    EXPECT_EQ(settings.preferred_spawn_distance, 80);
    sim::runFor(2000);
    writeSettingsAt(testing_support::withSetting(text, "preferred_spawn_distance", "90"), 1700000020);
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return modifiedNotices(world) == 2; }, 1100));
    EXPECT_EQ(settings.preferred_spawn_distance, 90);
}

TEST(SettingsReread, FileCreatedWhileTheGameRunsIsRead) {
    sim::World& w = testing_support::loadPlugin();
    sim::startScript();
    sim::runFor(2500);
    EXPECT_EQ(settings.in_air_player_spawn_chance, 20);  // built in
    writeSettingsAt(testing_support::withSetting(testing_support::builtInSettingsText(), "in_air_player_spawn_chance", "45"), 1700000000);
    sim::runFor(1100);
    EXPECT_EQ(settings.in_air_player_spawn_chance, 45);
    EXPECT_EQ(modifiedNotices(w), 1);
    // Removed again: the last values stay.
    testing_support::removeSettingsFile();
    sim::runFor(2000);
    EXPECT_EQ(settings.in_air_player_spawn_chance, 45);
}

namespace {

// Opens of the settings file while the game runs for the given time (closes
// are watched too, so that no two queued events are alike and merged).
int opensWhileRunning(uint32_t milliseconds) {
    int events = inotify_init1(IN_NONBLOCK);
    if (events < 0) return -1;
    if (inotify_add_watch(events, (testing_support::gameDirectory() + "/Pelorin.ini").c_str(), IN_OPEN | IN_CLOSE) < 0) {
        close(events);
        return -1;
    }
    sim::runFor(milliseconds);
    int opens = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = read(events, buffer, sizeof buffer)) > 0;)
        for (char* p = buffer; p < buffer + n; p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len)
            opens += (reinterpret_cast<inotify_event*>(p)->mask & IN_OPEN) != 0;
    close(events);
    return opens;
}

}  // namespace

TEST(SettingsReread, EachCheckOpensTheFileOnce) {
    sim::World& w = testing_support::loadPlugin();
    std::string text = testing_support::builtInSettingsText("stored_last_used_skin=225514697\n");
    writeSettingsAt(text, 1700000000);
    sim::startScript();
    sim::runFor(1500);
    EXPECT_EQ(opensWhileRunning(5000), 5);  // five checks of an unchanged file
    writeSettingsAt(testing_support::withSetting(text, "first_wait_time", "6000"), 1700000010);
    EXPECT_EQ(opensWhileRunning(1000), 1);  // and one that finds it saved
    EXPECT_EQ(modifiedNotices(w), 1);
    EXPECT_EQ(settings.first_wait_time, 6000.0f);
}

TEST(SettingsReread, AFileOfTenThousandPointsIsTakenInAStepAFrameAndActedOnWhole) {
    sim::World& w = testing_support::loadPlugin();
    std::string text =
        withTenThousandCustomPoints(testing_support::builtInSettingsWith({{"in_air_player_spawn_chance", "35"}}));
    writeSettingsAt(text, 1700000000);
    sim::startScript();
    // The first frame parses a step of it: the record still holds the built-in values.
    sim::runFor(17);
    EXPECT_EQ(settings.in_air_player_spawn_chance, 20);
    ASSERT_TRUE(sim::runUntil([](sim::World&) { return settings.in_air_player_spawn_chance == 35; },
                                testing_support::steppedReadMilliseconds(text.size())));
    EXPECT_EQ(settings.number_of_custom_spawn_points_in_use, 10000);
    // A save is taken in over some frames too, and announced once, with its values.
    writeSettingsAt(testing_support::withSetting(text, "in_air_player_spawn_chance", "25"), 1700000010);
    uint32_t saved = w.tick();
    ASSERT_TRUE(sim::runUntil([](sim::World&) { return settings.in_air_player_spawn_chance == 25; },
                                testing_support::steppedReadMilliseconds(text.size())));
    EXPECT_EQ(modifiedNotices(w), 1);
    EXPECT_GT(w.tick() - saved, 17u);
    sim::runFor(3000);
    EXPECT_EQ(modifiedNotices(w), 1);
}
