// Pelorin.log: what a player finds in it after a death, when the log is off,
// when it grows past its bound, when it cannot be written, and when play goes
// wrong (no road, no ground, a settings file with mistakes).
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "settings/settings_record.h"
#include "tools/settings_check_list.h"
#include "shared/event_log.h"
#include "shared/player_state.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::gameStartedWith;

std::string logPath(const char* name = "Pelorin.log") { return testing_support::gameDirectory() + "/" + name; }

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

long occurrences(const std::string& text, const std::string& part) {
    long count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

void pressRespawnChord(sim::World& w) {
    uint32_t now = w.tick();
    w.keyMessageAt(now + 50, 17, false);
    w.keyMessageAt(now + 150, 75, false);
    w.keyMessageAt(now + 250, 75, true);
    w.keyMessageAt(now + 400, 17, true);
}

const sim::MapArea wholeMap{-100000.0f, 100000.0f, -100000.0f, 100000.0f};

}  // namespace

TEST(EventLog, ADeathIsToldPhaseByPhaseAndWrittenAsTheEpisodeEnds) {
    sim::World& w = gameStartedWith(testing_support::builtInSettingsText());
    sim::killPlayer(w);
    sim::runFor(200);
    uint32_t checkDuringEpisode = playerState.lastSettingsCheckTime;
    ASSERT_TRUE(sim::runUntil(
        [](sim::World&) { return fileText(logPath()).find("back in play") != std::string::npos; }, 40000));
    EXPECT_EQ(playerState.lastSettingsCheckTime, checkDuringEpisode)
        << "written by the episode's end, not by the next check";
    std::string log = fileText(logPath());
    std::printf("%s", log.c_str());
    const std::vector<std::string> story = {
        "Pelorin 1.0.0 loaded; script host found",
        "wasted at (",
        "the wasted screen ended after ",
        " s: the game faded out",
        "the game brought you back after ",
        "coming back: ",
        "you are now at (",
        "back in play ",
        " s after the death, at the place Pelorin chose",
    };
    size_t at = 0;
    for (const std::string& part : story) {
        size_t found = log.find(part, at);
        EXPECT_NE(found, std::string::npos) << "\"" << part << "\" after what came before";
        if (found != std::string::npos) at = found;
    }
    EXPECT_EQ(log.find('\n'), log.find("\r\n") + 1) << "lines end in CR LF";
    EXPECT_EQ(log.substr(4, 1) + log.substr(7, 1) + log.substr(13, 1), "--:") << "each line starts with the time";
}

TEST(EventLog, WriteLogFileZeroWritesNothingAndAMissingKeyMeansOn) {
    std::string off = testing_support::builtInSettingsWith({{"write_log_file", "0"}});
    sim::World& w = gameStartedWith(off);
    sim::killPlayer(w);
    sim::runFor(40000);
    EXPECT_FALSE(fileExists(logPath()));

    std::string keyLeftOut = testing_support::builtInSettingsText();
    keyLeftOut.erase(keyLeftOut.find("write_log_file=1\n"), 17);
    testing_support::writeSettingsFile(keyLeftOut);
    sim::runFor(1500);
    pressRespawnChord(w);
    sim::runFor(4000);
    std::string log = fileText(logPath());
    EXPECT_NE(log.find("respawn on demand by the key chord"), std::string::npos);
    EXPECT_EQ(log.find("wasted at"), std::string::npos) << "lines of a time without the log are not kept";
}

TEST(EventLog, TheFileStaysWithinOneMegabyteAndTheFullOneBecomesTheOldLog) {
    testing_support::loadPlugin();
    resetEventLog();  // without the load line
    std::string old(eventLogMaxBytes - 100, 'x');
    std::ofstream(logPath(), std::ios::binary) << old;
    std::ofstream(logPath("Pelorin.log.1"), std::ios::binary) << "older still";
    logEvent("%s", std::string(200, 'y').c_str());
    flushEventLog(true);
    EXPECT_EQ(fileText(logPath("Pelorin.log.1")), old);
    std::string log = fileText(logPath());
    EXPECT_EQ(occurrences(log, "\r\n"), 1);
    EXPECT_NE(log.find(std::string(200, 'y')), std::string::npos);

    // Below the bound, lines are appended.
    logEvent("next");
    flushEventLog(true);
    EXPECT_EQ(occurrences(fileText(logPath()), "\r\n"), 2);
}

TEST(EventLog, ALogThatCannotBeWrittenIsDroppedAndTriedAgainASecondLater) {
    testing_support::loadPlugin();
    resetEventLog();  // without the load line
    ASSERT_EQ(mkdir(logPath().c_str(), 0755), 0);  // a directory where the file should be
    logEvent("first");
    flushEventLog(true);
    ASSERT_EQ(rmdir(logPath().c_str()), 0);
    logEvent("second");
    flushEventLog(true);
    EXPECT_FALSE(fileExists(logPath())) << "no second try within the second";
    sim::runFor(1000);
    logEvent("third");
    flushEventLog(true);
    std::string log = fileText(logPath());
    EXPECT_NE(log.find("third"), std::string::npos);
    EXPECT_EQ(log.find("first"), std::string::npos);
    EXPECT_EQ(log.find("second"), std::string::npos);
}

TEST(EventLog, ABufferFullBetweenTwoWritesLosesLinesAndSaysHowMany) {
    testing_support::loadPlugin();
    resetEventLog();  // without the load line
    for (int i = 0; i < 200; ++i) logEvent("line %03d %s", i, std::string(180, 'z').c_str());
    flushEventLog(true);
    std::string log = fileText(logPath());
    EXPECT_NE(log.find("line 000"), std::string::npos);
    EXPECT_EQ(log.find("line 199"), std::string::npos);
    EXPECT_NE(log.find(" lines lost: the log buffer was full"), std::string::npos);
    EXPECT_LE(log.size(), 16u * 1024u);
}

TEST(EventLog, SettingsProblemsAreLoggedOnceUntilTheyChange) {
    // The shipped file, whose comment lines the reader keeps as keys of their own, and one key twice.
    std::string twice = testing_support::shippedSettingsText() + "first_wait_time=9000\r\n";
    gameStartedWith(twice);
    sim::runFor(5000);
    std::string log = fileText(logPath());
    EXPECT_EQ(occurrences(log, "first_wait_time is set again (first at line 54): Pelorin uses only the first"), 1) << log;
    EXPECT_EQ(occurrences(log, "Pelorin.ini"), 1) << "one problem, one line: " << log;

    testing_support::writeSettingsFile("; no section at all\nfirst_wait_time=5500\n");
    sim::runFor(3000);
    log = fileText(logPath());
    EXPECT_EQ(occurrences(log, "the line [Player_Respawn] is missing above your settings"), 1) << log;
    testing_support::writeSettingsFile(twice);
    sim::runFor(2000);
    EXPECT_EQ(occurrences(fileText(logPath()), "is set again"), 2) << "a problem that comes back is logged again";
}

TEST(EventLog, EveryProblemOfTheSettingsIsLoggedInFull) {
    // Misspelt keys, a negative chance, chances past 100 and a key outside the section.
    std::string text = "stray_key=1\n" + testing_support::builtInSettingsWith({
                                              {"custom_spawn_chance", "30"},
                                              {"in_air_player_spawn_chance", "-5"},
                                              {"custom_spawn_chanse", "10"},
                                              {"first_wait_tme", "5500"},
                                          });
    gameStartedWith(text);
    sim::runFor(1500);
    std::string log = fileText(logPath());
    int problems = 0;
    size_t previous = 0;  // in line order, as the checker lists them, though some are found after others
    for (const SettingsFinding& finding : checkSettingsText(text).findings) {
        if (finding.severity == CheckSeverity::Note) continue;
        ++problems;
        std::string line = finding.line > 0 ? "Pelorin.ini line " + std::to_string(finding.line) + ": " : "Pelorin.ini: ";
        EXPECT_EQ(occurrences(log, line + finding.message + "\r\n"), 1) << line + finding.message << "\n" << log;
        size_t at = log.find(line + finding.message + "\r\n");
        EXPECT_GE(at, previous) << line + finding.message;
        previous = at == std::string::npos ? previous : at;
    }
    EXPECT_GE(problems, 5);
    EXPECT_EQ(occurrences(log, "Pelorin.ini has " + std::to_string(problems) + " problems"), 1) << log;
}

TEST(EventLog, NoRoadAndNoGroundAreToldAsTheyHappen) {
    sim::World& w = gameStartedWith(testing_support::builtInSettingsWith({
        {"in_vehicle_on_road_player_spawn_chance", "100"}, {"in_air_player_spawn_chance", "0"},
        {"random_point_on_map_spawn_chance", "0"}, {"on_point_from_list_player_spawn_chance", "0"},
    }));
    w.roadlessAreas.push_back(wholeMap);
    pressRespawnChord(w);
    sim::runFor(4000);
    std::string log = fileText(logPath());
    EXPECT_NE(log.find("coming back: vehicle on a road"), std::string::npos);
    EXPECT_NE(log.find("no road found in 20 tries: you stay where you were"), std::string::npos);
    EXPECT_NE(log.find("you stay where you were, at ("), std::string::npos);

    testing_support::writeSettingsFile(testing_support::builtInSettingsWith({
        {"at_death_point_spawn_chance", "100"}, {"in_vehicle_on_road_player_spawn_chance", "0"},
        {"in_air_player_spawn_chance", "0"}, {"random_point_on_map_spawn_chance", "0"},
        {"on_point_from_list_player_spawn_chance", "0"},
    }));
    sim::runFor(1500);
    w.groundlessAreas.push_back(wholeMap);
    w.player()->position.x += 50.0f;  // away from the death point, so that he moves and is settled
    pressRespawnChord(w);
    sim::runFor(6000);
    EXPECT_NE(fileText(logPath()).find("no ground to stand on at ("), std::string::npos);
}

TEST(EventLog, TheVehicleAndTheSkinPutOnAreNamed) {
    // Respawns on demand into a road vehicle, then into an aircraft, in another skin kept by the settings.
    const std::string otherSkin = "a_f_y_hipster_01";
    const std::vector<testing_support::Setting> road = {
        {"in_vehicle_on_road_player_spawn_chance", "100"}, {"in_air_player_spawn_chance", "0"},
        {"random_point_on_map_spawn_chance", "0"}, {"on_point_from_list_player_spawn_chance", "0"}};
    sim::World& w = gameStartedWith(testing_support::builtInSettingsWith(road));
    sim::Entity* old = w.player();
    sim::Entity& ped = w.spawnPed(sim::joaat(otherSkin.c_str()), old->position);
    w.removeEntity(old->handle);
    w.playerPed = ped.handle;
    sim::runFor(1000);
    std::vector<uint32_t> models;  // of the vehicles the player sat in
    for (const char* chance : {"in_vehicle_on_road_player_spawn_chance", "in_air_player_spawn_chance"}) {
        std::vector<testing_support::Setting> only = road;
        for (testing_support::Setting& setting : only) setting.second = setting.first == chance ? "100" : "0";
        testing_support::writeSettingsFile(testing_support::builtInSettingsWith(only));
        sim::runFor(1500);
        pressRespawnChord(w);
        sim::runFor(4000);
        const sim::Entity* vehicle = w.player() ? w.find(w.player()->vehicle) : nullptr;
        ASSERT_NE(vehicle, nullptr) << "seated in the new vehicle";
        models.push_back(vehicle->model);
    }
    std::string log = fileText(logPath());

    // Each name in the log is that of the model the game made.
    const std::vector<std::string> lines = {"your land vehicle: ", "your aircraft: "};
    for (size_t i = 0; i < lines.size(); ++i) {
        size_t at = log.find(lines[i]);
        ASSERT_NE(at, std::string::npos) << lines[i] << "\n" << log;
        size_t from = at + lines[i].size();
        std::string name = log.substr(from, log.find('\r', from) - from);
        EXPECT_EQ(sim::joaat(name.c_str()), models[i]) << name;
    }
    std::string skinLine = "skin put on: " + std::to_string(int32_t(sim::joaat(otherSkin.c_str()))) +
                           " (its number in stored_last_used_skin)";
    EXPECT_NE(log.find(skinLine), std::string::npos) << log;
}

TEST(EventLog, ASkinModelThatNeverLoadsAndAWriteBackThatFailsAreTold) {
    uint32_t skin = sim::joaat("a_m_y_acult_01");
    sim::World& w = testing_support::loadPlugin();
    w.models.makeNeverLoading("a_m_y_acult_01");
    std::string text = testing_support::builtInSettingsWith({{"wait_time_before_skin_change", "0"}});
    testing_support::writeSettingsFile(text);
    sim::startScript();
    sim::runFor(1500);
    // The player chooses a stored skin by hand; the game never loads it.
    testing_support::writeSettingsFile(text + "stored_last_used_skin=" + std::to_string(int32_t(skin)) + "\n");
    sim::runFor(6000);
    std::string log = fileText(logPath());
    char expected[96];
    std::snprintf(expected, sizeof expected,
                  "the skin %d (its number in stored_last_used_skin) did not load within 3 s: put on all the same",
                  static_cast<int>(static_cast<int32_t>(skin)));
    EXPECT_NE(log.find(expected), std::string::npos) << log;

    // The player now wears another skin, which cannot be stored in a read-only file.
    std::string path = testing_support::gameDirectory() + "/Pelorin.ini";
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    sim::Entity* old = w.player();
    sim::Entity& ped = w.spawnPed(sim::joaat("a_f_y_hipster_01"), old->position);
    w.removeEntity(old->handle);
    w.playerPed = ped.handle;
    sim::runFor(3000);
    chmod(path.c_str(), 0644);
    EXPECT_NE(fileText(logPath()).find("could not write stored_last_used_skin to Pelorin.ini"), std::string::npos);
}
