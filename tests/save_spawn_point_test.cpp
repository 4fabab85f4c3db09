// Saving the current place as a custom spawn point with Ctrl + L, and coming
// back there later.
#include <sys/stat.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "plugin/chords.h"
#include "settings_io/settings_store.h"
#include "settings/setting_limits.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "sim/soak_file_faults.h"
#include "spawn/custom_spawn.h"
#include "tests/support/file_stamp.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::gameStartedWith;
using testing_support::settingsFileText;

constexpr uint32_t ctrl = 17;
constexpr uint32_t keyL = 76;
constexpr uint32_t keyK = 75;


void pressChord(sim::World& w, uint32_t key1, uint32_t key2) {
    uint32_t now = w.tick();
    w.keyMessageAt(now + 50, key1, false);
    w.keyMessageAt(now + 150, key2, false);
    w.keyMessageAt(now + 250, key2, true);
    w.keyMessageAt(now + 400, key1, true);
    sim::runFor(500);
    testing_support::playUntilOurWriteEnds();
}

bool hasLine(const std::string& text, const std::string& line) {
    return text.find("\n" + line + "\n") != std::string::npos;
}

long notificationsOf(const sim::World& w, const std::string& text) {
    return std::count(w.notifications.begin(), w.notifications.end(), text);
}

float distance(sim::Vec3 a, sim::Vec3 b) { return std::hypot(a.x - b.x, a.y - b.y); }

}  // namespace

TEST(SaveSpawnPoint, CtrlLSavesWhereThePlayerStandsThenWhereHisVehicleIsAndNeitherIsAnnouncedAsAChange) {
    sim::World& w = gameStartedWith(testing_support::builtInSettingsText());
    w.player()->position = sim::Vec3{-1034.5f, -2732.25f, 13.75f};
    pressChord(w, ctrl, keyL);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 1 saved"), 1);
    std::string text = settingsFileText();
    EXPECT_TRUE(hasLine(text, "custom_spawn_1_x=-1034.50"));
    EXPECT_TRUE(hasLine(text, "custom_spawn_1_y=-2732.25"));
    EXPECT_TRUE(hasLine(text, "custom_spawn_1_z=13.75"));
    EXPECT_TRUE(hasLine(text, "number_of_custom_spawn_points_in_use=1"));
    EXPECT_EQ(text.find("number_of_custom_spawn_points_in_use=0"), std::string::npos) << "the count is raised in place";
    EXPECT_NE(text.find("set_skin_component_variation=1\n"), std::string::npos) << "other keys stay";
    sim::runFor(1500);
    EXPECT_EQ(settings.number_of_custom_spawn_points_in_use, 1) << "re-read at the next check";

    // At the wheel a kilometre away, the saved place is the vehicle's.
    sim::Entity& car = w.spawnVehicle(sim::joaat("adder"), sim::Vec3{200.0f, 300.0f, 40.5f});
    w.player()->vehicle = car.handle;
    car.vehicleState.driver = w.playerPed;
    w.player()->position = sim::Vec3{199.0f, 301.0f, 41.0f};
    pressChord(w, ctrl, keyL);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 2 saved"), 1);
    text = settingsFileText();
    EXPECT_TRUE(hasLine(text, "custom_spawn_2_x=200.00"));
    EXPECT_TRUE(hasLine(text, "custom_spawn_2_y=300.00"));
    EXPECT_TRUE(hasLine(text, "number_of_custom_spawn_points_in_use=2"));
    EXPECT_TRUE(hasLine(text, "custom_spawn_1_x=-1034.50")) << "the first point stays";
    sim::runFor(3000);
    EXPECT_EQ(std::count_if(w.notifications.begin(), w.notifications.end(),
                            [](const std::string& shown) { return shown.rfind("Pelorin.ini modified", 0) == 0; }),
              0);
}

TEST(SaveSpawnPoint, TwoSavesWithinASecondGetNumbersOfTheirOwn) {
    sim::World& w = gameStartedWith(testing_support::builtInSettingsText());
    pressChord(w, ctrl, keyL);
    pressChord(w, ctrl, keyL);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 1 saved"), 1);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 2 saved"), 1);
    EXPECT_TRUE(hasLine(settingsFileText(), "number_of_custom_spawn_points_in_use=2"));
}

TEST(SaveSpawnPoint, TheSavedPlaceIsWhereACustomSpawnBringsThePlayerBack) {
    sim::World& w = gameStartedWith(testing_support::builtInSettingsWith({
        {"custom_spawn_chance", "100"}, {"in_air_player_spawn_chance", "0"},
        {"random_point_on_map_spawn_chance", "0"}, {"on_point_from_list_player_spawn_chance", "0"},
        {"in_vehicle_on_road_player_spawn_chance", "0"}, {"number_of_custom_spawn_points_in_use", "-1"},
        {"save_spawn_point_key_1_of_2", "17"}, {"save_spawn_point_key_2_of_2", "76"},
    }));
    sim::Vec3 saved = w.player()->position;
    pressChord(w, ctrl, keyL);
    ASSERT_EQ(notificationsOf(w, "Custom spawn point 1 saved"), 1) << "a count of -1 counts as none";
    sim::runFor(1500);
    w.player()->position = sim::Vec3{saved.x + 800.0f, saved.y + 600.0f, saved.z};
    pressChord(w, ctrl, keyK);
    sim::runFor(3000);
    EXPECT_LT(distance(w.player()->position, saved), 1.0f);
}

TEST(SaveSpawnPoint, ASaveWithTheShippedChancesSaysThePointIsNeverPickedUntilTheChancesMakeRoom) {
    // The shipped chances add up to 100 and leave the custom points none.
    sim::World& w = gameStartedWith(testing_support::builtInSettingsText());
    pressChord(w, ctrl, keyL);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 1 saved"), 1);
    EXPECT_EQ(notificationsOf(w, "It is never picked: custom_spawn_chance is 0. Set it to 10 and lower another "
                                 "chance by 10."),
              1);

    // Following the guide's example, the next save is simply confirmed.
    testing_support::writeSettingsFile(testing_support::withSetting(
        testing_support::withSetting(settingsFileText(), "custom_spawn_chance", "10"),
        "on_point_from_list_player_spawn_chance", "30"));
    sim::runFor(1500);
    size_t notices = w.notifications.size();
    pressChord(w, ctrl, keyL);
    ASSERT_EQ(w.notifications.size(), notices + 1);
    EXPECT_EQ(w.notifications.back(), "Custom spawn point 2 saved");
}

TEST(SaveSpawnPoint, AFullListOrAChordTurnedOffWritesNothing) {
    std::string full = testing_support::builtInSettingsText("custom_spawn_" + std::to_string(customSpawnPointCap) +
                                                            "_z=40\n");
    sim::World& w = gameStartedWith(full);
    pressChord(w, ctrl, keyL);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point list is full"), 1);
    EXPECT_EQ(settingsFileText(), full);

    // The chord turned off (its first key 0; left out, it is the shipped Ctrl + L): Ctrl + L does nothing at all.
    std::string without = testing_support::builtInSettingsWith({{"save_spawn_point_key_1_of_2", "0"}});
    testing_support::writeSettingsFile(without);
    sim::runFor(1500);
    size_t notices = w.notifications.size();
    pressChord(w, ctrl, keyL);
    sim::runFor(1500);
    EXPECT_EQ(w.notifications.size(), notices);
    EXPECT_EQ(settingsFileText(), without);
}

TEST(SaveSpawnPoint, AFileThatCannotBeWrittenIsNotReportedAsSaved) {
    sim::World& w = gameStartedWith(testing_support::builtInSettingsText());
    std::string path = testing_support::gameDirectory() + "/Pelorin.ini";
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    pressChord(w, ctrl, keyL);
    chmod(path.c_str(), 0644);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 1 saved"), 0);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point not saved: Pelorin.ini could not be written"), 1);
    EXPECT_EQ(settingsFileText().find("custom_spawn_1_x"), std::string::npos);
}

TEST(SaveSpawnPoint, TheChordWaitsForALivingPlayerWithoutLosingTheRelease) {
    sim::World& w = testing_support::loadPlugin();
    applyBuiltInSettings();
    sim::runFor(600);
    w.player()->dead = true;
    sim::keyDown(w, ctrl);
    sim::keyDown(w, keyL);
    sim::keyUp(w, keyL);
    EXPECT_FALSE(saveSpawnPointRequested());
    w.player()->dead = false;
    EXPECT_TRUE(saveSpawnPointRequested());
    EXPECT_FALSE(saveSpawnPointRequested()) << "one release saves once";
    EXPECT_FALSE(respawnOnDemandRequested()) << "and is not the respawn chord";
}

// Before, the new point took its number from "number_of_custom_spawn_points_in_use":
// with points 1 to 5 and a count of 3, Ctrl + L wrote over the player's point 4.
TEST(SaveSpawnPoint, ANewPointIsNumberedAfterTheHighestPointInTheFileAndCountedIn) {
    struct Case {
        const char* count;  // nullptr: the key left out
        std::string points;
        int expected;
    };
    std::string fivePoints;
    for (int point = 1; point <= 5; ++point)
        for (char axis : {'x', 'y', 'z'})
            fivePoints += "custom_spawn_" + std::to_string(point) + "_" + axis + "=" + std::to_string(point * 100) + "\n";
    const Case cases[] = {
        {"3", fivePoints, 6},
        {nullptr, fivePoints, 6},
        {"9", fivePoints, 6},  // a higher count stays as the player set it
        {"2147483647", fivePoints, 6},  // the largest count the file can hold stays too
        // One key of a point is enough to keep it; names compare as the reader compares them.
        {"0", "custom_spawn_7_z=5\nCUSTOM_SPAWN_8_X=1\n", 9},
        // Keys beyond the most points read are never read, nor in the way.
        {"1", "custom_spawn_1_x=1\ncustom_spawn_99999_x=1\ncustom_spawn_2_w=1\n", 2},
        // Nor a number with a leading zero: the reader never asks for one.
        {"2", "custom_spawn_1_x=1\ncustom_spawn_2_x=2\ncustom_spawn_05_x=5\ncustom_spawn_007_y=7\n", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points + " count " + (c.count ? c.count : "missing"));
        std::string text = testing_support::builtInSettingsText(c.points);
        text = c.count ? testing_support::withSetting(text, "number_of_custom_spawn_points_in_use", c.count)
                       : text.erase(text.find("number_of_custom_spawn_points_in_use=0\n"), 39);
        sim::World& w = gameStartedWith(text);
        w.player()->position = sim::Vec3{-1034.5f, -2732.25f, 13.75f};
        pressChord(w, ctrl, keyL);
        std::string point = std::to_string(c.expected);
        EXPECT_EQ(notificationsOf(w, "Custom spawn point " + point + " saved"), 1);
        std::string saved = settingsFileText();
        std::istringstream lines(c.points);
        for (std::string line; std::getline(lines, line);) EXPECT_TRUE(hasLine(saved, line)) << "kept: " << line;
        EXPECT_TRUE(hasLine(saved, "custom_spawn_" + point + "_x=-1034.50"));
        EXPECT_TRUE(hasLine(saved, "custom_spawn_" + point + "_z=13.75"));
        std::string count = c.count && std::stoi(c.count) > c.expected ? c.count : point;
        EXPECT_TRUE(hasLine(saved, "number_of_custom_spawn_points_in_use=" + count));
        sim::runFor(1500);
        EXPECT_EQ(settings.number_of_custom_spawn_points_in_use, std::stoi(count)) << "the new point is in use";
    }
}

TEST(SaveSpawnPoint, APointThePlayerSavesWhileWeWriteKeepsItsNumber) {
    std::string text = testing_support::builtInSettingsText();
    sim::World& w = gameStartedWith(text);
    // His save (point 1) lands just before our write would replace the file.
    std::string players = testing_support::builtInSettingsText("custom_spawn_1_x=5\ncustom_spawn_1_y=6\n");
    sim::soak::SaveDuringRead fault;
    fault.path = "Pelorin.ini";
    fault.style = sim::soak::SaveStyle::WriteAndRename;
    fault.text = players;
    fault.readsToSkip = 1;
    sim::soak::armSaveDuringRead(fault);
    pressChord(w, ctrl, keyL);
    EXPECT_EQ(sim::soak::saveDuringReadStrikesLeft(), 0);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 2 saved"), 1);
    std::string saved = settingsFileText();
    EXPECT_TRUE(hasLine(saved, "custom_spawn_1_x=5"));
    EXPECT_TRUE(hasLine(saved, "custom_spawn_1_y=6"));
    EXPECT_NE(saved.find("custom_spawn_2_x="), std::string::npos);
    EXPECT_TRUE(hasLine(saved, "number_of_custom_spawn_points_in_use=2"));
}

// A file written a moment ago may be an editor's save under way: the chord's
// point waits, and is saved where the player stood once the file is still.
TEST(SaveSpawnPoint, APointWaitsWhileTheFileWasWrittenAMomentAgo) {
    const std::string his = testing_support::builtInSettingsText();
    sim::World& w = gameStartedWith(his);
    w.player()->position = sim::Vec3{-1034.5f, -2732.25f, 13.75f};
    testing_support::stampSettingsFileSavedNow();
    pressChord(w, ctrl, keyL);
    EXPECT_EQ(settingsFileText(), his);
    EXPECT_EQ(notificationsOf(w, "Pelorin.ini was saved a moment ago: the point is saved once the file is still"), 1);
    w.player()->position = sim::Vec3{500.0f, 600.0f, 30.0f};
    sim::runFor(1500);
    EXPECT_EQ(notificationsOf(w, "Custom spawn point 1 saved"), 1);
    EXPECT_TRUE(hasLine(settingsFileText(), "custom_spawn_1_x=-1034.50")) << "where he pressed the chord";
}
