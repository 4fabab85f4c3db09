// The settings checker: a corpus of real-world mistakes, each with the findings
// it must produce (tests/check_corpus/*.expected), the odds of the spawn roll,
// and the shipped file, which must pass clean.
#include "tools/settings_check_list.h"

#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>


namespace {

const std::string corpusDirectory = std::string(PELORIN_SOURCE_DIR) + "/tests/check_corpus";

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> corpusCases() {
    std::vector<std::string> names;
    DIR* dir = opendir(corpusDirectory.c_str());
    if (dir == nullptr) return names;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() > 4 && name.substr(name.size() - 4) == ".ini") names.push_back(name.substr(0, name.size() - 4));
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// A finding as the corpus writes it: "<line> <severity> <message>".
std::string written(const SettingsFinding& f) {
    return std::to_string(f.line) + " " + severityName(f.severity) + " " + f.message;
}

std::string describe(const SettingsCheck& check) {
    std::string all;
    for (const SettingsFinding& f : check.findings) all += "  " + written(f) + "\n";
    return all;
}

// Each case's findings, every one in full and in the checker's order (by
// line, each line's in the order found), and nothing else.
TEST(SettingsCheckerCorpus, EachMistakeGetsExactlyItsFindingsInFull) {
    std::vector<std::string> cases = corpusCases();
    ASSERT_GE(cases.size(), 30u);
    for (const std::string& name : cases) {
        SCOPED_TRACE(name);
        SettingsCheck check = checkSettingsText(readText(corpusDirectory + "/" + name + ".ini"));
        std::istringstream expectedText(readText(corpusDirectory + "/" + name + ".expected"));
        std::vector<std::string> expected, found;
        for (std::string line; std::getline(expectedText, line);)
            if (!line.empty() && line[0] != '#') expected.push_back(line);
        for (const SettingsFinding& f : check.findings) found.push_back(written(f));
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(found, expected) << describe(check);
    }
}

TEST(SettingsChecker, ShippedFilePassesWithTheOddsItsCommentsPromise) {
    SettingsCheck check = checkSettingsText(readText(std::string(PELORIN_SOURCE_DIR) + "/dist/Pelorin.ini"));
    EXPECT_EQ(checkExitStatus(check), 0) << describe(check);
    // 40 list, 30 road, 20 air, 0 death, 10 map over 99 rolls: the map mode loses one roll.
    const int expected[spawnModeCount] = {40, 30, 20, 0, 9, 0};
    for (int m = 0; m < spawnModeCount; ++m) EXPECT_EQ(check.odds.rolls[m], expected[m]) << spawnModes[m].name;
    EXPECT_EQ(check.odds.fallBackRolls, 0);
    EXPECT_EQ(check.odds.closeChance, 100);
    EXPECT_TRUE(check.customPoints.empty());
}

TEST(SettingsChecker, OddsFollowTheRollAndItsFallBack) {
    // All shares 0: every roll falls back to the list.
    const SpawnChances none{{0, 0, 0, 0, 0, 0}};
    SpawnOdds odds = spawnOddsOf(none, 0);
    EXPECT_EQ(odds.fallBackRolls, 99);
    EXPECT_EQ(odds.fallBackMode, 0);
    // Only custom 50: rolls 1-50 custom, the rest fall back to the list, never to custom.
    const SpawnChances customOnly{{0, 0, 0, 0, 0, 50}};
    odds = spawnOddsOf(customOnly, 0);
    EXPECT_EQ(odds.rolls[5], 50);
    EXPECT_EQ(odds.fallBackRolls, 49);
    EXPECT_EQ(odds.fallBackMode, 0);
    // A missing road share (-1) with custom 100: T6 = 99, every roll is custom.
    const SpawnChances roadMissing{{0, -1, 0, 0, 0, 100}};
    odds = spawnOddsOf(roadMissing, 0);
    EXPECT_EQ(odds.rolls[5], 99);
    EXPECT_EQ(odds.fallBackRolls, 0);
    // The same with custom 0: every roll falls back, to the road, since -1 is not 0.
    const SpawnChances roadMissingNoCustom{{0, -1, 0, 0, 0, 0}};
    odds = spawnOddsOf(roadMissingNoCustom, 0);
    EXPECT_EQ(odds.fallBackRolls, 99);
    EXPECT_EQ(odds.fallBackMode, 1);
    // A list share of 99 or more takes every roll, whatever follows.
    const SpawnChances listFull{{99, 50, 50, 0, 0, 0}};
    odds = spawnOddsOf(listFull, 0);
    EXPECT_EQ(odds.rolls[0], 99);
    // The close-point roll of 1 to 100: a chance below 0 is never close, one past 100 always.
    EXPECT_EQ(spawnOddsOf(none, -5).closeRolls, 0);
    EXPECT_EQ(spawnOddsOf(none, 37).closeRolls, 37);
    EXPECT_EQ(spawnOddsOf(none, 150).closeRolls, 100);
}

TEST(SettingsChecker, CustomPointsAreReadAsACustomSpawnReadsThem) {
    SettingsCheck check = checkSettingsText(
        "[Player_Respawn]\nnumber_of_custom_spawn_points_in_use=3\ncustom_spawn_1_x=-1034.6\ncustom_spawn_1_y=-2732.5\n"
        "custom_spawn_1_z=13.8\ncustom_spawn_2_x=450.5m\ncustom_spawn_2_y=5566\ncustom_spawn_2_z=194\n"
        "custom_spawn_3_x=1\ncustom_spawn_3_y=2\ncustom_spawn_3_z=3\ncustom_spawn_4_x=9\n");
    ASSERT_EQ(check.customPoints.size(), 3u);
    EXPECT_EQ(check.customPoints[0].x, -1034.6f);
    EXPECT_EQ(check.customPoints[0].line, 3);
    EXPECT_EQ(check.customPoints[1].x, 450.5f);  // trailing letters after a number read as that number
    EXPECT_EQ(check.customPoints[2].number, 3);
    EXPECT_EQ(check.customPoints[2].z, 3.0f);
}

TEST(SettingsChecker, LineNumbersHoldForEveryLineEnd) {
    // A byte-order mark, CRLF, and old Mac files with CR alone.
    for (std::string end : {"\n", "\r\n", "\r"}) {
        std::string text = "\xEF\xBB\xBF; comment" + end + "[Player_Respawn]" + end + "land_vehicle_type=99" + end;
        SettingsCheck check = checkSettingsText(text);
        auto found = std::find_if(check.findings.begin(), check.findings.end(), [](const SettingsFinding& f) {
            return f.message.find("land_vehicle_type=99: no vehicle list has that number") != std::string::npos;
        });
        ASSERT_NE(found, check.findings.end()) << describe(check);
        EXPECT_EQ(found->line, 3);
    }
}

TEST(SettingsChecker, AFileSavedAsUtf16ReadsAsTheSameText) {
    // Notepad's "Unicode" is UTF-16 with a byte-order mark; the same mistakes are found at the same lines.
    std::string text = "; \xC3\xA9t\xC3\xA9\r\n[Player_Respawn]\r\nland_vehicle_type=99\r\ncustom_spawn_chanse=1\r\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    auto utf16 = [&](bool le) {
        std::string out = le ? little : big;
        const char16_t units[] =
            u"; \u00E9t\u00E9\r\n[Player_Respawn]\r\nland_vehicle_type=99\r\ncustom_spawn_chanse=1\r\n";
        for (size_t i = 0; units[i] != 0; ++i) {
            char lo = static_cast<char>(units[i] & 0xFF), hi = static_cast<char>(units[i] >> 8);
            out += le ? lo : hi;
            out += le ? hi : lo;
        }
        return out;
    };
    SettingsCheck plain = checkSettingsText(text);
    for (bool le : {true, false}) {
        SettingsCheck wide = checkSettingsText(utf16(le));
        ASSERT_EQ(wide.findings.size(), plain.findings.size()) << describe(wide);
        for (size_t i = 0; i < plain.findings.size(); ++i) {
            EXPECT_EQ(wide.findings[i].line, plain.findings[i].line);
            EXPECT_EQ(wide.findings[i].message, plain.findings[i].message);
        }
    }
    EXPECT_TRUE(std::any_of(plain.findings.begin(), plain.findings.end(), [](const SettingsFinding& f) {
        return f.line == 4 && f.message.find("Did you mean custom_spawn_chance?") != std::string::npos;
    }));
}

TEST(SettingsChecker, AFileWithoutTheSectionIsAnError) {
    EXPECT_EQ(checkExitStatus(checkSettingsText("")), 2);
    EXPECT_EQ(checkExitStatus(checkSettingsText("random_player_respawns=1\n")), 2);
}

}  // namespace

namespace {

std::vector<std::string> findingsOf(const SettingsCheck& check, FindingKind kind) {
    std::vector<std::string> found;
    for (const SettingsFinding& f : check.findings)
        if (f.kind == kind)
            found.push_back(std::to_string(f.line) + (f.key >= 0 ? std::string(" ") + settingKeys[f.key].name : ""));
    return found;
}

}  // namespace

TEST(SettingsChecker, SaysWhichLinesAreNotReadAsTheReaderReadsThem) {
    SettingsCheck check = checkSettingsText(
        "first_wait_time=1\n"             // 1: before any section
        "[Player_Respawn]\n"              // 2
        "first_wait_time\n"               // 3: no '=': the first occurrence, which reads as missing
        "first_wait_time=5500\n"          // 4: hidden by line 3
        "custom_spawn_0_x=1\n"            // 5: no point 0 is read
        "custom_spawn_01_y=1\n"           // 6: never looked up
        "custom_spawn_20000_x=1\n"        // 7: beyond the cap
        "custom_spawn_20000_x=2\n"        // 8: a duplicate of a key never read: nothing to say
        "number_of_custom_spawn_points_in_use=3\n"
        "custom_spawn_2_z=1\n"            // 10
        "=7\n"                            // 11: no key
        "[Other]\n"
        "land_vehicle_type=3\n");         // 13
    const std::vector<std::string> notRead = {"1", "3", "4", "6", "11", "13"};
    EXPECT_EQ(findingsOf(check, FindingKind::KeyNotRead), notRead) << describe(check);
    std::vector<std::string> missing = findingsOf(check, FindingKind::KeyMissing);
    EXPECT_NE(std::find(missing.begin(), missing.end(), "0 first_wait_time"), missing.end());
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "0 number_of_custom_spawn_points_in_use"), missing.end());
    // Point 2 is read with its x and y as 0; points 1 and 3 are not defined.
    ASSERT_EQ(check.customPoints.size(), 1u);
    EXPECT_EQ(check.customPoints[0].line, 10);
    EXPECT_TRUE(std::any_of(check.findings.begin(), check.findings.end(), [](const SettingsFinding& f) {
        return f.message.find("2 of the 3 points are not in the file (1, 3)") != std::string::npos;
    })) << describe(check);
}

TEST(SettingsChecker, APointOnOneKeyIsToldTheKeysTheReaderReads) {
    auto messageOn = [](const SettingsCheck& check, int line) {
        for (const SettingsFinding& f : check.findings)
            if (f.line == line) return f.message;
        return std::string();
    };
    SettingsCheck check = checkSettingsText(
        "[Player_Respawn]\n"
        "custom_spawn_05=-1034.6, -2732.5, 13.8\n"  // 2: point 5, whose keys take no leading zero
        "custom_spawn_0=1, 2, 3\n"                   // 3: no point 0
        "custom_spawn_99999=1 2\n");                 // 4: beyond the cap
    EXPECT_NE(messageOn(check, 2).find("custom_spawn_5_x=-1034.6, custom_spawn_5_y=-2732.5 and custom_spawn_5_z=13.8"),
              std::string::npos)
        << describe(check);
    for (int line : {3, 4}) {
        EXPECT_NE(messageOn(check, line).find("custom_spawn_<n>_x"), std::string::npos) << describe(check);
        EXPECT_NE(messageOn(check, line).find("from 1 to 10000"), std::string::npos) << describe(check);
    }
}

namespace {

// Every finding, in the order made.
class AllFindings final : public FindingSink {
public:
    std::vector<std::string> written;
    bool wantsMessage(int, CheckSeverity) const override { return true; }
    void add(int line, CheckSeverity severity, FindingKind, int, const char* message) override {
        written.push_back(std::to_string(line) + " " + severityName(severity) + " " + message);
    }
};

}  // namespace

// The plug-in checks a changed file a step per frame: what the walk keeps
// between steps (the keys where they are not read, the custom points' values)
// must make the same findings as a check at once, for every corpus case.
TEST(SettingsCheckerCorpus, AStepAtATimeFindsWhatTheCheckAtOnceFinds) {
    for (const std::string& name : corpusCases()) {
        SCOPED_TRACE(name);
        std::string text = readText(corpusDirectory + "/" + name + ".ini");
        AllFindings atOnce, stepped;
        ProfileSection wholeSection, steppedSection;
        checkSettings(text, &wholeSection, &atOnce, nullptr);
        SettingsCheckRun run;
        run.start(text, &steppedSection, &stepped, nullptr);
        int steps = 1;
        bool valuesDueBeforeLastStep = false;
        while (!run.advance(7)) {
            ++steps;
            valuesDueBeforeLastStep = run.valuesCheckDue();
        }
        EXPECT_GT(steps, 1) << "taken in steps";
        EXPECT_TRUE(valuesDueBeforeLastStep) << "the values are checked in a step of their own";
        EXPECT_FALSE(run.valuesCheckDue());
        std::sort(atOnce.written.begin(), atOnce.written.end());
        std::sort(stepped.written.begin(), stepped.written.end());
        EXPECT_EQ(stepped.written, atOnce.written);
    }
}
