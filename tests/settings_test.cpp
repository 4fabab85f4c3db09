#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "settings_io/settings_store.h"
#include "settings_io/settings_file.h"
#include "tests/support/plugin_state.h"

namespace {

std::string settingsPath() { return testing_support::gameDirectory() + "/Pelorin.ini"; }

std::string fileText() {
    std::ifstream in(settingsPath(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> gameDirectoryFiles() {
    std::vector<std::string> names;
    DIR* directory = opendir(testing_support::gameDirectory().c_str());
    while (dirent* entry = readdir(directory)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(directory);
    return names;
}

void setWriteTime(long seconds) {
    timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, settingsPath().c_str(), times, 0), 0);
}

// Every integer field with its key, in reading order: the key table's Int
// rows of the record.
struct IntKey {
    const char* key;
    int32_t RespawnSettings::*field;
};
#define INT_FIELD_Int(name) {#name, &RespawnSettings::name},
#define INT_FIELD_FloatFromInt(name)
#define INT_FIELD_Float(name)
#define INT_FIELD_Flag(name)
#define KEY(name, kind, ...) INT_FIELD_##kind(name)
#define FILE_KEY(...)
const IntKey intKeys[] = {
#include "settings/settings_keys.def"
};
#undef INT_FIELD_Int
#undef INT_FIELD_FloatFromInt
#undef INT_FIELD_Float
#undef INT_FIELD_Flag

void expectSameSettings(const RespawnSettings& a, const RespawnSettings& b) {
    for (const IntKey& k : intKeys) EXPECT_EQ(a.*k.field, b.*k.field) << k.key;
    EXPECT_EQ(a.slow_motion_at_wasted_and_busted_screens, b.slow_motion_at_wasted_and_busted_screens);
    EXPECT_EQ(a.max_wait_time_before_respawn_upon_skin_exception, b.max_wait_time_before_respawn_upon_skin_exception);
    EXPECT_EQ(a.first_wait_time, b.first_wait_time);
    EXPECT_EQ(a.activate_controller, b.activate_controller);
}

}  // namespace

TEST(Settings, EveryKeyLandsInItsOwnField) {
    sim::World& w = testing_support::loadPlugin();
    std::string text = "[Player_Respawn]\n";
    for (size_t i = 0; i < std::size(intKeys); ++i)
        text += std::string(intKeys[i].key) + "=" + std::to_string(101 + i) + "\n";
    text +=
        "slow_motion_at_wasted_and_busted_screens=0.35\n"
        "max_wait_time_before_respawn_upon_skin_exception=12345\n"
        "first_wait_time=5500\n"
        "activate_controller=1\n";
    testing_support::writeSettingsFile(text);
    ASSERT_TRUE(readSettings());
    for (size_t i = 0; i < std::size(intKeys); ++i) EXPECT_EQ(settings.*intKeys[i].field, 101 + int(i)) << intKeys[i].key;
    EXPECT_FLOAT_EQ(settings.slow_motion_at_wasted_and_busted_screens, 0.35f);
    EXPECT_EQ(settings.max_wait_time_before_respawn_upon_skin_exception, 12345.0f);
    EXPECT_EQ(settings.first_wait_time, 5500.0f);
    EXPECT_TRUE(settings.activate_controller);
    EXPECT_EQ(w.notifications, std::vector<std::string>{});  // 1 -> 101: both at least 1
}

TEST(Settings, MissingKeysReadAsMinusOneAndZero) {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile("[Player_Respawn]\n[Other]\nfirst_wait_time=7\n");
    ASSERT_TRUE(readSettings());
    // The keys of the first release read as -1; those that came later take
    // their shipped value, so that an older file gets them in full.
    for (const IntKey& k : intKeys)
        EXPECT_EQ(settings.*k.field, takesShippedValueWhenMissing(settingKeys[settingKeyIndex(k.key)])
                                         ? static_cast<int32_t>(settingKeys[settingKeyIndex(k.key)].builtIn)
                                         : -1)
            << k.key;
    EXPECT_EQ(settings.slow_motion_at_wasted_and_busted_screens, 0.0f);
    EXPECT_EQ(settings.max_wait_time_before_respawn_upon_skin_exception, -1.0f);
    EXPECT_EQ(settings.first_wait_time, -1.0f);
    EXPECT_FALSE(settings.activate_controller);
    EXPECT_EQ(w.notifications, std::vector<std::string>{"Alternative Respawn Activated"});
}

TEST(Settings, ValuesAreConvertedAsTheirKindsAsk) {
    testing_support::loadPlugin();
    auto read = [](const std::string& lines) {
        testing_support::writeSettingsFile("[Player_Respawn]\n" + lines);
        EXPECT_TRUE(readSettings());
    };
    read("slow_motion_at_wasted_and_busted_screens=abc\nfirst_wait_time=12.9\n");
    EXPECT_EQ(settings.slow_motion_at_wasted_and_busted_screens, 0.0f);
    EXPECT_EQ(settings.first_wait_time, 12.0f);
    read("slow_motion_at_wasted_and_busted_screens=2.5x\nmax_wait_time_before_respawn_upon_skin_exception=-7\n");
    EXPECT_EQ(settings.slow_motion_at_wasted_and_busted_screens, 2.5f);
    EXPECT_EQ(settings.max_wait_time_before_respawn_upon_skin_exception, -7.0f);
    for (const char* off : {"0", "-1", "", "no"}) {
        settings.activate_controller = true;
        read(std::string("activate_controller=") + off + "\n");
        EXPECT_FALSE(settings.activate_controller) << off;
    }
    read("activate_controller=5\n");
    EXPECT_TRUE(settings.activate_controller);
}

TEST(Settings, AbsentFileReadsNothing) {
    testing_support::loadPlugin();
    settings.in_air_player_spawn_chance = 77;
    EXPECT_FALSE(readSettings());
    EXPECT_EQ(settings.in_air_player_spawn_chance, 77);
    EXPECT_EQ(readFloatSetting("custom_spawn_1_x"), 0.0f);
    EXPECT_EQ(readStoredSkin(), 0xFFFFFFFFu);
}

TEST(Settings, AlternativeRespawnSwitchIsAnnounced) {
    struct Step {
        const char* value;  // nullptr: key missing
        const char* notice; // nullptr: none
    };
    // From the value at load (1) through a series of changes.
    const Step steps[] = {{"1", nullptr},
                          {"2", nullptr},
                          {nullptr, "Alternative Respawn Activated"},
                          {"0", "Alternative Respawn Deactivated"},
                          {"0", nullptr},
                          {"5", "Alternative Respawn Activated"},
                          {"5", nullptr},
                          {"0", "Alternative Respawn Deactivated"},
                          {"-3", "Alternative Respawn Activated"},
                          {"1", "Alternative Respawn Activated"}};
    sim::World& w = testing_support::loadPlugin();
    for (const Step& step : steps) {
        w.notifications.clear();
        std::string line = step.value ? std::string("random_player_respawns=") + step.value + "\n" : "";
        testing_support::writeSettingsFile("[Player_Respawn]\n" + line);
        ASSERT_TRUE(readSettings());
        std::vector<std::string> expected;
        if (step.notice) expected.push_back(step.notice);
        EXPECT_EQ(w.notifications, expected) << (step.value ? step.value : "missing");
    }
    // At start: 0 deactivates, a missing key activates, 1 says nothing.
    for (const Step& start : {Step{"0", "Alternative Respawn Deactivated"},
                              Step{nullptr, "Alternative Respawn Activated"}, Step{"1", nullptr}}) {
        sim::World& fresh = testing_support::loadPlugin();
        std::string line = start.value ? std::string("random_player_respawns=") + start.value + "\n" : "";
        testing_support::writeSettingsFile("[Player_Respawn]\n" + line);
        ASSERT_TRUE(readSettings());
        std::vector<std::string> expected;
        if (start.notice) expected.push_back(start.notice);
        EXPECT_EQ(fresh.notifications, expected);
    }
}

TEST(Settings, BuiltInValuesMatchTheBuiltInFileAndLeaveTheSkinKeys) {
    testing_support::loadPlugin();
    testing_support::writeSettingsFile(testing_support::builtInSettingsText());
    ASSERT_TRUE(readSettings());
    RespawnSettings fromFile = settings;
    settings = RespawnSettings{};
    for (const IntKey& k : intKeys) settings.*k.field = -55;
    settings.player_ped_skin_upon_respawn = 2;
    settings.wait_time_before_skin_change = 9;
    applyBuiltInSettings();
    EXPECT_EQ(settings.player_ped_skin_upon_respawn, 2);
    EXPECT_EQ(settings.wait_time_before_skin_change, 9);
    settings.player_ped_skin_upon_respawn = 3;
    settings.wait_time_before_skin_change = 3000;
    expectSameSettings(settings, fromFile);
    // The initial values of the two skin keys are their built-in ones.
    EXPECT_EQ(RespawnSettings{}.player_ped_skin_upon_respawn, 3);
    EXPECT_EQ(RespawnSettings{}.wait_time_before_skin_change, 3000);
}

TEST(Settings, ShippedFileHoldsEveryKeyAtItsBuiltInValue) {
    testing_support::loadPlugin();
    std::string builtInText = testing_support::builtInSettingsText();
    std::string shippedText = testing_support::shippedSettingsText();
    ProfileSection builtIn;
    ProfileSection shipped;
    parseProfileSection(builtInText, "Player_Respawn", &builtIn);
    parseProfileSection(shippedText, "Player_Respawn", &shipped);
    ASSERT_EQ(builtIn.entries.size(), 40u);
    for (const ProfileSection::Entry& entry : builtIn.entries) {
        std::string_view value;
        ASSERT_TRUE(findProfileValue(shipped, entry.key, &value)) << entry.key;
        EXPECT_EQ(value, entry.value) << entry.key;
    }
    // Nothing but the record's keys is set: the stored skin and the custom
    // spawn points are documented in comments only.
    size_t settingLines = 0;
    for (const ProfileSection::Entry& entry : shipped.entries) settingLines += entry.key.front() != ';';
    EXPECT_EQ(settingLines, builtIn.entries.size());
    testing_support::writeSettingsFile(shippedText);
    ASSERT_TRUE(readSettings());
    RespawnSettings fromShipped = settings;
    settings = RespawnSettings{};
    applyBuiltInSettings();
    expectSameSettings(fromShipped, settings);
}

TEST(Settings, FloatKeysReadTheirFirst31Characters) {
    testing_support::loadPlugin();
    testing_support::writeSettingsFile(
        "[Player_Respawn]\n"
        "custom_spawn_1_x=-1034.6\n"
        "custom_spawn_1_y=12.5abc\n"
        "custom_spawn_1_z=high\n"
        "custom_spawn_2_x=0.0000000000000000000000000000019\n"
        "custom_spawn_2_y=\"3.5\"\n");
    EXPECT_EQ(readFloatSetting("custom_spawn_1_x"), -1034.6f);
    EXPECT_EQ(readFloatSetting("custom_spawn_1_y"), 12.5f);
    EXPECT_EQ(readFloatSetting("custom_spawn_1_z"), 0.0f);
    EXPECT_EQ(readFloatSetting("custom_spawn_2_x"), 0.0f);  // the digits after the 31st are cut off
    EXPECT_EQ(readFloatSetting("custom_spawn_2_y"), 3.5f);
    EXPECT_EQ(readFloatSetting("custom_spawn_3_x"), 0.0f);
    ProfileSection section;
    std::string text;
    ASSERT_TRUE(readSettingsSection(&section, &text));
    for (const char* key : {"custom_spawn_1_x", "custom_spawn_1_y", "custom_spawn_1_z", "custom_spawn_2_x",
                            "custom_spawn_2_y", "custom_spawn_3_x"})
        EXPECT_EQ(profileFloat(section, key, 0.0f), readFloatSetting(key)) << key;
}

TEST(Settings, StoredSkinRoundTripsThroughTheFile) {
    testing_support::loadPlugin();
    std::string original = testing_support::builtInSettingsText("[Other]\nkept=1\n");
    testing_support::writeSettingsFile(original);
    ASSERT_EQ(chmod(settingsPath().c_str(), 0640), 0);
    EXPECT_EQ(readStoredSkin(), 0xFFFFFFFFu);

    writeStoredSkin(2602752943u);  // "player_one", at or above 2^31
    std::string written = fileText();
    EXPECT_NE(written.find("\nstored_last_used_skin=-1692214353\n[Other]"), std::string::npos) << written;
    EXPECT_EQ(readStoredSkin(), 2602752943u);

    writeStoredSkin(225514697u);
    std::string rewritten = fileText();
    EXPECT_EQ(rewritten.find("-1692214353"), std::string::npos);
    std::string expected = original;
    expected.insert(expected.find("[Other]"), "stored_last_used_skin=225514697\n");
    EXPECT_EQ(rewritten, expected);
    EXPECT_EQ(readStoredSkin(), 225514697u);

    // The file was replaced as a whole: no temporary file left, mode kept.
    EXPECT_EQ(gameDirectoryFiles(), std::vector<std::string>{"Pelorin.ini"});
    struct stat status;
    ASSERT_EQ(stat(settingsPath().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(Settings, StoredSkinIsNotWrittenWithoutAFile) {
    testing_support::loadPlugin();
    writeStoredSkin(2602752943u);
    EXPECT_EQ(gameDirectoryFiles(), std::vector<std::string>{});
    EXPECT_EQ(readStoredSkin(), 0xFFFFFFFFu);
}

TEST(Settings, FileChangeIsReportedOncePerWriteTimeAsRead) {
    testing_support::loadPlugin();
    EXPECT_FALSE(readSettings());
    EXPECT_FALSE(settingsFileChanged());
    EXPECT_EQ(settingsFileWriteTime, 0u);
    testing_support::writeSettingsFile(testing_support::builtInSettingsText());
    setWriteTime(1700000000);
    ASSERT_TRUE(readSettings());
    EXPECT_TRUE(settingsFileChanged());
    EXPECT_EQ(settingsFileWriteTime, 1700000000ull * 1000000000ull);
    EXPECT_FALSE(settingsFileChanged());
    // The time is the one taken by the last read: a later save is seen by the next read.
    setWriteTime(1700000001);
    EXPECT_FALSE(settingsFileChanged());
    ASSERT_TRUE(readSettings());
    EXPECT_TRUE(settingsFileChanged());
    EXPECT_FALSE(settingsFileChanged());
    // Our own write is no change of the player's.
    ASSERT_TRUE(writeStoredSkin(42));
    ASSERT_TRUE(readSettings());
    EXPECT_FALSE(settingsFileChanged());
    // A file that goes away reports nothing and keeps the recorded time.
    uint64_t recorded = settingsFileWriteTime;
    testing_support::removeSettingsFile();
    EXPECT_FALSE(readSettings());
    EXPECT_FALSE(settingsFileChanged());
    EXPECT_EQ(settingsFileWriteTime, recorded);
}

TEST(Settings, UnicodeFileSavedByAnEditorIsReadAndWrittenAsUnicode) {
    sim::World& w = testing_support::loadPlugin();
    std::string text = testing_support::withSetting(testing_support::builtInSettingsText(), "in_air_player_spawn_chance",
                                                    "35");
    std::string file = "\xFF\xFE";
    for (char c : text) file.append({c, '\0'});
    testing_support::writeSettingsFile(file);
    ASSERT_TRUE(readSettings());
    EXPECT_EQ(settings.random_player_respawns, 1);
    EXPECT_EQ(settings.in_air_player_spawn_chance, 35);
    EXPECT_EQ(settings.first_wait_time, 5500.0f);
    EXPECT_EQ(w.notifications, std::vector<std::string>{});  // not "Alternative Respawn Activated"

    ASSERT_TRUE(writeStoredSkin(2602752943u));
    std::string written = fileText();
    std::string added = "stored_last_used_skin=-1692214353\n";
    std::string expected = file;
    for (char c : added) expected.append({c, '\0'});
    EXPECT_EQ(written, expected);
    EXPECT_EQ(readStoredSkin(), 2602752943u);
}

TEST(Settings, ReadOnlyFileIsNeverWritten) {
    testing_support::loadPlugin();
    std::string original = testing_support::builtInSettingsText();
    testing_support::writeSettingsFile(original);
    // By its mode bits, also for a process (as root) that passes every access test.
    ASSERT_EQ(chmod(settingsPath().c_str(), 0444), 0);
    EXPECT_FALSE(writeStoredSkin(2602752943u));
    EXPECT_EQ(fileText(), original);
    EXPECT_EQ(gameDirectoryFiles(), std::vector<std::string>{"Pelorin.ini"});
    struct stat status;
    ASSERT_EQ(stat(settingsPath().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0444u);
    ASSERT_EQ(chmod(settingsPath().c_str(), 0644), 0);
}

TEST(Settings, DirectoryNamedLikeTheFileIsNoSettingsFile) {
    testing_support::loadPlugin();
    ASSERT_EQ(mkdir(settingsPath().c_str(), 0755), 0);
    EXPECT_FALSE(settingsFileExists());  // the banner says it was not found
    settings.in_air_player_spawn_chance = 77;
    EXPECT_FALSE(readSettings());
    EXPECT_EQ(settings.in_air_player_spawn_chance, 77);
    EXPECT_FALSE(writeStoredSkin(1));
    EXPECT_EQ(readStoredSkin(), 0xFFFFFFFFu);
    EXPECT_EQ(readFloatSetting("custom_spawn_1_x"), 0.0f);
    ASSERT_EQ(rmdir(settingsPath().c_str()), 0);
}

TEST(Settings, FloatKeysThatAreNoFiniteFloatReadAsZero) {
    testing_support::loadPlugin();
    for (const char* value : {"nan", "inf", "-inf", "1e39", "-1e39", "0x10"}) {
        testing_support::writeSettingsFile(std::string("[Player_Respawn]\nslow_motion_at_wasted_and_busted_screens=") +
                                           value + "\ncustom_spawn_1_x=" + value + "\n");
        ASSERT_TRUE(readSettings());
        EXPECT_EQ(settings.slow_motion_at_wasted_and_busted_screens, 0.0f) << value;
        EXPECT_EQ(readFloatSetting("custom_spawn_1_x"), 0.0f) << value;
    }
}
