// The player's settings file under the faults of a real machine, in play: an
// editor saving while we read or write it, a file deployed as a link, and what
// a crash in the middle of our write left behind.
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "settings_io/settings_store.h"
#include "platform/rewrite_journal.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "sim/soak_file_faults.h"
#include "tests/support/plugin_state.h"

namespace {

using sim::soak::SaveStyle;
using testing_support::withSetting;

std::string textOf(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

// A save of the player's, seconds after the last one, so that its write time
// differs whatever the file system's clock granularity.
void saveAsPlayer(const std::string& name, const std::string& text) {
    static int saves = 0;
    writeText(name, text);
    std::filesystem::last_write_time(name, std::filesystem::file_time_type::clock::now() +
                                               std::chrono::seconds(10 * ++saves));
}

void armSave(SaveStyle style, const std::string& text, int readsToSkip = 0) {
    sim::soak::SaveDuringRead fault;
    fault.path = "Pelorin.ini";
    fault.style = style;
    fault.text = text;
    fault.readsToSkip = readsToSkip;
    sim::soak::armSaveDuringRead(fault);
}

// The notices that begin with notice (a save's notice may go on with the problems found).
long count(const sim::World& w, const std::string& notice) {
    return std::count_if(w.notifications.begin(), w.notifications.end(),
                         [&](const std::string& shown) { return shown.rfind(notice, 0) == 0; });
}

// The text without one line; the line must be there.
std::string without(std::string text, const std::string& line) {
    size_t at = text.find(line);
    EXPECT_NE(at, std::string::npos) << line;
    return at == std::string::npos ? text : text.erase(at, line.size());
}

// A line as our writer adds it to the text, with the text's line end.
std::string lineIn(const std::string& text, const std::string& keyAndValue) {
    return keyAndValue + (text.find("\r\n") != std::string::npos ? "\r\n" : "\n");
}

}  // namespace

// A file that shrinks under the once-a-second read (an editor saving by
// truncating and then writing) was taken whole: every key read as missing for a
// second, with notices of it.
TEST(SettingsFileFaults, AnEditorsSaveInTheMiddleOfTheOnceASecondReadIsNeverReadInPart) {
    const std::string shipped = testing_support::shippedSettingsText();
    sim::World& w = testing_support::gameStartedWith(shipped);
    const size_t notices = w.notifications.size();
    armSave(SaveStyle::TruncateFirst, withSetting(shipped, "in_air_player_spawn_chance", "5"));
    sim::runFor(1500);
    ASSERT_EQ(sim::soak::saveDuringReadStrikesLeft(), 0) << "the save struck a read";
    // While the save is under way the last values stay, and nothing is announced.
    EXPECT_EQ(settings.in_air_player_spawn_chance, 20);
    EXPECT_EQ(settings.random_player_respawns, 1);
    EXPECT_EQ(settings.first_wait_time, 5500.0f);
    EXPECT_EQ(w.notifications.size(), notices);
    ASSERT_TRUE(sim::soak::finishPendingSave());
    sim::runFor(1500);
    EXPECT_EQ(settings.in_air_player_spawn_chance, 5);
    EXPECT_EQ(settings.random_player_respawns, 1);
    for (size_t i = notices; i < w.notifications.size(); ++i) EXPECT_EQ(w.notifications[i], "Pelorin.ini modified");
}

// Measured before: truncated after 40 bytes, the file went from 8,133 bytes to
// 89 (the fragment and our key), every setting lost.
TEST(SettingsFileFaults, AWriteBackWhoseReadAnEditorCutsShortKeepsEveryByteOfThePlayers) {
    const std::string shipped = testing_support::shippedSettingsText();
    const std::string playerOneLine = lineIn(shipped, "stored_last_used_skin=-1692214353");
    testing_support::loadPlugin();
    testing_support::writeSettingsFile(shipped);
    ASSERT_TRUE(readSettings());
    armSave(SaveStyle::TruncateFirst, shipped);
    EXPECT_FALSE(writeStoredSkin(sim::joaat("player_one"))) << "not into a file in the middle of a save";
    EXPECT_EQ(textOf("Pelorin.ini"), "") << "only the editor's truncation";
    ASSERT_TRUE(sim::soak::finishPendingSave());
    ASSERT_TRUE(writeStoredSkin(sim::joaat("player_one")));
    std::string text = textOf("Pelorin.ini");
    EXPECT_EQ(text.size(), shipped.size() + playerOneLine.size());
    EXPECT_EQ(without(text, playerOneLine), shipped);

    // A save that lands whole within the write's read: the write takes it in.
    const std::string saved = withSetting(shipped, "first_wait_time", "6000");
    armSave(SaveStyle::TruncateAndRewrite, saved);
    ASSERT_TRUE(writeStoredSkin(sim::joaat("player_two")));
    EXPECT_EQ(sim::soak::saveDuringReadStrikesLeft(), 0);
    EXPECT_EQ(without(textOf("Pelorin.ini"), lineIn(shipped, "stored_last_used_skin=-1686040670")), saved);
}

TEST(SettingsFileFaults, APlayersSaveBetweenOurReadAndOurWriteIsKeptWithOurKeyMergedIn) {
    const std::string shipped = testing_support::shippedSettingsText();
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(shipped);
    ASSERT_TRUE(readSettings());
    settingsFileChanged();
    // The write starts from the text in force, without a read of its own; the
    // save lands in its last check.
    const std::string saved = withSetting(shipped, "first_wait_time", "6000");
    armSave(SaveStyle::WriteAndRename, saved);
    ASSERT_TRUE(writeStoredSkin(sim::joaat("player_one")));
    EXPECT_EQ(sim::soak::saveDuringReadStrikesLeft(), 0);
    EXPECT_EQ(without(textOf("Pelorin.ini"), lineIn(shipped, "stored_last_used_skin=-1692214353")), saved);
    // His save, which our write took in, is still news to the next check.
    ASSERT_TRUE(readSettings());
    EXPECT_TRUE(settingsFileChanged());
    EXPECT_EQ(settings.first_wait_time, 6000.0f);
    EXPECT_EQ(w.notifications, std::vector<std::string>{});
}

// Mod managers deploy the file as a link to the player's own copy: our
// write-back used to replace the link by a plain file, after which his edits
// of his copy were silently ignored.
TEST(SettingsFileFaults, ALinkedSettingsFileStaysLinkedAndThePlayersCopyIsStillRead) {
    const std::string settingsText = testing_support::builtInSettingsWith({{"wait_time_before_skin_change", "0"}});
    for (bool symbolic : {true, false}) {
        SCOPED_TRACE(symbolic ? "symbolic link" : "hard link");
        sim::World& w = testing_support::loadPlugin();
        ASSERT_EQ(mkdir("mods", 0755), 0);
        writeText("mods/Pelorin.ini", settingsText);
        ASSERT_EQ(symbolic ? symlink("mods/Pelorin.ini", "Pelorin.ini") : link("mods/Pelorin.ini", "Pelorin.ini"), 0);
        sim::startScript();
        sim::runFor(2000);
        w.player()->model = sim::joaat("a_m_y_hipster_01");
        sim::runFor(1500);
        EXPECT_EQ(readStoredSkin(), sim::joaat("a_m_y_hipster_01"));
        struct stat link, copy;
        ASSERT_EQ(lstat("Pelorin.ini", &link), 0);
        ASSERT_EQ(stat("mods/Pelorin.ini", &copy), 0);
        EXPECT_EQ(S_ISLNK(link.st_mode), symbolic);
        if (!symbolic) {
            EXPECT_EQ(link.st_ino, copy.st_ino);
        }
        EXPECT_NE(textOf("mods/Pelorin.ini").find("\nstored_last_used_skin="), std::string::npos);

        // The player edits his own copy; the game reads his edit.
        saveAsPlayer("mods/Pelorin.ini", withSetting(textOf("mods/Pelorin.ini"), "first_wait_time", "6000"));
        sim::runFor(1500);
        EXPECT_EQ(settings.first_wait_time, 6000.0f);
        EXPECT_EQ(count(w, "Pelorin.ini modified"), 1);
    }
}

TEST(SettingsFileFaults, AtStartOurLeftoversGoAndARewriteACrashCutShortIsUndone) {
    const std::string before = testing_support::builtInSettingsText();
    const std::string after = withSetting(before, "first_wait_time", "6000") + "stored_last_used_skin=1\n";
    sim::World& w = testing_support::loadPlugin();
    // The crash came in the middle of the rewrite: the new text's start, the old text's rest.
    writeText("Pelorin.ini", after.substr(0, 600) + before.substr(600));
    writeText(std::string("Pelorin.ini") + rewriteJournalSuffix, journalText(before, after));
    writeText(std::string("Pelorin.ini") + temporaryFileSuffix + "-k2Pq7Z", after);
    sim::startScript();
    sim::runFor(1500);
    EXPECT_EQ(textOf("Pelorin.ini"), before);
    EXPECT_EQ(settings.first_wait_time, 5500.0f);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Pelorin.ini", "Pelorin.log"}));
    std::string log = textOf("Pelorin.log");
    EXPECT_NE(log.find("removed 1 temporary file(s) that an interrupted write of Pelorin.ini left"), std::string::npos);
    EXPECT_NE(log.find("Pelorin.ini: a write that a crash interrupted was undone"), std::string::npos);
    EXPECT_EQ(count(w, "Pelorin.ini modified"), 0);
}
