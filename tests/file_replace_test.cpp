// The settings file's whole read and crash-safe replace, as the operating
// system sees them: an editor's save in the middle of a read or between our
// read and our replace, links, a full disk, and a crash at any moment of a
// write.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/rewrite_journal.h"
#include "sim/soak_file_faults.h"
#include "tests/support/plugin_state.h"

namespace {

using sim::soak::SaveStyle;

const char* const path = "Pelorin.ini";

std::string textOf(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

// A settings-like text of about the given size, its lines numbered from first.
std::string textOfSize(size_t size, int first = 0) {
    std::string text = "[Player_Respawn]\r\n";
    for (int line = first; text.size() < size; ++line) text += "custom_spawn_" + std::to_string(line) + "_x=1234.50\r\n";
    return text;
}

std::vector<std::string> namesIn(const std::string& directory) {
    std::vector<std::string> names;
    DIR* listing = opendir(directory.c_str());
    while (dirent* entry = readdir(listing)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

struct Read {
    std::string text;
    FileStamp stamp;
};

Read readOf(const char* name) {
    Read read;
    EXPECT_TRUE(readWholeFile(name, &read.text, &read.stamp));
    return read;
}

ReplaceResult replaceAsRead(const char* name, const Read& read, const std::string& content) {
    return replaceFileContent(name, read.text, read.stamp, content);
}

// An editor's save of the settings file, struck into the plug-in's next reads of it.
void armSave(SaveStyle style, const std::string& text, int readsToSkip = 0, int strikes = 1) {
    sim::soak::SaveDuringRead fault;
    fault.path = path;
    fault.style = style;
    fault.text = text;
    fault.readsToSkip = readsToSkip;
    fault.strikes = strikes;
    sim::soak::armSaveDuringRead(fault);
}

ino_t inodeOf(const std::string& name) {
    struct stat status;
    EXPECT_EQ(stat(name.c_str(), &status), 0) << name;
    return status.st_ino;
}

bool isSymbolicLink(const std::string& name) {
    struct stat status;
    return lstat(name.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

}  // namespace

TEST(FileRead, AnEditorsSaveInTheMiddleOfAReadIsNeverTakenForTheWholeFile) {
    testing_support::loadPlugin();
    const std::string before = textOfSize(8133), after = textOfSize(5000, 7);
    for (SaveStyle style : {SaveStyle::TruncateAndRewrite, SaveStyle::WriteAndRename}) {
        writeText(path, before);
        armSave(style, after);
        std::string text;
        FileStamp stamp;
        ASSERT_TRUE(readWholeFile(path, &text, &stamp));
        EXPECT_EQ(sim::soak::saveDuringReadStrikesLeft(), 0) << "the save struck";
        // Truncated or renamed over under the read, the file is read again
        // after the save: the read sees the file change (its size, or the old
        // file losing its name).
        EXPECT_EQ(text, after);
        EXPECT_EQ(stamp.size, text.size());
    }
    // Caught between the editor's truncation and its text, the file is read as
    // it is then, empty, and whole (the settings take an empty file for a save
    // under way).
    writeText(path, before);
    armSave(SaveStyle::TruncateFirst, after);
    std::string text;
    ASSERT_TRUE(readWholeFile(path, &text));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(sim::soak::finishPendingSave());
    ASSERT_TRUE(readWholeFile(path, &text));
    EXPECT_EQ(text, after);
    // A file saved again at every read is unreadable for now, never read in part.
    writeText(path, before);
    armSave(SaveStyle::TruncateAndRewrite, before, 0, 10);
    EXPECT_FALSE(readWholeFile(path, &text));
    sim::soak::disarmSaveDuringRead();
}

TEST(FileReplace, AFileSavedAfterOurReadIsNotReplaced) {
    testing_support::loadPlugin();
    const std::string original = textOfSize(3000), ours = original + "stored_last_used_skin=1\r\n";
    const std::string players = textOfSize(3000, 5);
    writeText(path, original);
    Read read = readOf(path);
    writeText(path, players);
    EXPECT_EQ(replaceAsRead(path, read, ours), ReplaceResult::Changed);
    EXPECT_EQ(textOf(path), players);

    // The same bytes saved again are a save too (what it changed, we cannot know).
    read = readOf(path);
    timespec times[2] = {{1700000000, 0}, {1700000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path, times, 0), 0);
    EXPECT_EQ(replaceAsRead(path, read, ours), ReplaceResult::Changed);

    // A save that lands while our new file is written: seen by the last check.
    read = readOf(path);
    armSave(SaveStyle::WriteAndRename, original);
    EXPECT_EQ(replaceAsRead(path, read, ours), ReplaceResult::Changed);
    EXPECT_EQ(sim::soak::saveDuringReadStrikesLeft(), 0);
    EXPECT_EQ(textOf(path), original);
    EXPECT_EQ(namesIn("."), std::vector<std::string>{"Pelorin.ini"}) << "no file of ours left";

    read = readOf(path);
    EXPECT_EQ(replaceAsRead(path, read, ours), ReplaceResult::Replaced);
    EXPECT_EQ(textOf(path), ours);
}

TEST(FileReplace, ASymbolicLinkStaysALinkAndItsTargetIsWritten) {
    testing_support::loadPlugin();
    ASSERT_EQ(mkdir("mods", 0755), 0);
    writeText("mods/Pelorin.ini", textOfSize(2000));
    ASSERT_EQ(chmod("mods/Pelorin.ini", 0640), 0);
    // A link to a link, relative: as a mod manager deploys.
    ASSERT_EQ(symlink("mods/Pelorin.ini", "deployed.ini"), 0);
    ASSERT_EQ(symlink("deployed.ini", path), 0);
    Read read = readOf(path);
    const std::string ours = read.text + "stored_last_used_skin=7\r\n";
    ASSERT_EQ(replaceAsRead(path, read, ours), ReplaceResult::Replaced);
    EXPECT_TRUE(isSymbolicLink(path));
    EXPECT_TRUE(isSymbolicLink("deployed.ini"));
    EXPECT_EQ(textOf("mods/Pelorin.ini"), ours);
    struct stat status;
    ASSERT_EQ(stat("mods/Pelorin.ini", &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(namesIn("mods"), std::vector<std::string>{"Pelorin.ini"});

    // A read-only target is not written through its link.
    ASSERT_EQ(chmod("mods/Pelorin.ini", 0444), 0);
    read = readOf(path);
    EXPECT_EQ(replaceAsRead(path, read, read.text + "x=1\r\n"), ReplaceResult::Failed);
    EXPECT_EQ(textOf("mods/Pelorin.ini"), ours);
    ASSERT_EQ(chmod("mods/Pelorin.ini", 0644), 0);
}

TEST(FileReplace, AHardLinkedFileIsRewrittenInPlaceAndKeepsEveryName) {
    testing_support::loadPlugin();
    ASSERT_EQ(mkdir("backup", 0755), 0);
    writeText("backup/Pelorin.ini", textOfSize(4000));
    ASSERT_EQ(link("backup/Pelorin.ini", path), 0);
    ino_t inode = inodeOf(path);
    for (size_t size : {6000, 1000, 1000}) {  // longer, shorter, the same length
        Read read = readOf(path);
        EXPECT_EQ(read.stamp.links, 2u);
        const std::string ours = textOfSize(size, static_cast<int>(size) + 1);
        ASSERT_EQ(replaceAsRead(path, read, ours), ReplaceResult::Replaced);
        EXPECT_EQ(inodeOf(path), inode);
        EXPECT_EQ(textOf("backup/Pelorin.ini"), ours);
    }
    EXPECT_EQ(namesIn("."), (std::vector<std::string>{"Pelorin.ini", "backup"})) << "the journal is gone";

    // A save between our read and our rewrite is not overwritten.
    Read read = readOf(path);
    writeText("backup/Pelorin.ini", "[Player_Respawn]\r\nfirst_wait_time=1\r\n");
    EXPECT_EQ(replaceAsRead(path, read, read.text + "x=1\r\n"), ReplaceResult::Changed);
    EXPECT_EQ(textOf(path), "[Player_Respawn]\r\nfirst_wait_time=1\r\n");
}

TEST(FileReplace, AFullDiskLeavesTheFileAsItWasAndNoFileOfOurs) {
    testing_support::loadPlugin();
    const std::string original = textOfSize(8000);
    ASSERT_EQ(mkdir("mods", 0755), 0);
    for (const char* kind : {"plain", "hard link", "symbolic link"}) {
        SCOPED_TRACE(kind);
        std::remove(path);
        std::remove("mods/Pelorin.ini");
        writeText(std::string(kind) == "plain" ? path : "mods/Pelorin.ini", original);
        if (std::string(kind) == "hard link") {
            ASSERT_EQ(link("mods/Pelorin.ini", path), 0);
        } else if (std::string(kind) == "symbolic link") {
            ASSERT_EQ(symlink("mods/Pelorin.ini", path), 0);
        }
        Read read = readOf(path);
        {
            sim::soak::FullDisk full(4096);
            EXPECT_EQ(replaceAsRead(path, read, original + textOfSize(2000)), ReplaceResult::Failed);
        }
        EXPECT_EQ(textOf(path), original);
        std::vector<std::string> ours;
        for (const char* directory : {".", "mods"})
            for (const std::string& name : namesIn(directory))
                if (name.find(".pelorin-") != std::string::npos) ours.push_back(name);
        EXPECT_EQ(ours, std::vector<std::string>{});
    }
}

TEST(FileRecovery, OurLeftoversGoAndAHalfRewrittenFileGetsItsOldTextBack) {
    testing_support::loadPlugin();
    const std::string oldText = textOfSize(3000), newText = textOfSize(4000, 3);
    // Temporary files of ours go; files that only look alike stay.
    writeText(path, oldText);
    for (const char* name : {"Pelorin.ini.pelorin-new-a1B2c3", "Pelorin.ini.pelorin-new-Zz9999", "Pelorin.ini.backup",
                             "Pelorin.ini.XyZ123", "Other.ini.pelorin-new-a1B2c3"})
        writeText(name, "x");
    ReplaceRecovery recovery = recoverInterruptedReplace(path);
    EXPECT_EQ(recovery.temporaryFilesRemoved, 2);
    EXPECT_FALSE(recovery.rewriteUndone);
    EXPECT_EQ(namesIn("."), (std::vector<std::string>{"Other.ini.pelorin-new-a1B2c3", "Pelorin.ini",
                                                      "Pelorin.ini.XyZ123", "Pelorin.ini.backup"}));

    // A rewrite cut short: the file holds the new text's start and the old
    // text's rest; the journal puts the old text back and goes.
    const std::string journalPath = std::string(path) + rewriteJournalSuffix;
    for (size_t cut : {size_t{0}, size_t{1500}, newText.size() - 1}) {
        std::string half = newText.substr(0, cut) + (cut < oldText.size() ? oldText.substr(cut) : "");
        writeText(path, half);
        writeText(journalPath, journalText(oldText, newText));
        recovery = recoverInterruptedReplace(path);
        EXPECT_EQ(recovery.rewriteUndone, cut > 0) << cut;
        EXPECT_EQ(textOf(path), oldText) << cut;
        EXPECT_EQ(access(journalPath.c_str(), F_OK), -1);
    }
    // Either text whole, a file the player saved since, or a journal cut short
    // (the rewrite never began): the file stays as it is, the journal goes.
    const std::string players = "[Player_Respawn]\r\nfirst_wait_time=1\r\n";
    const std::string whole = journalText(oldText, newText);
    for (const auto& [file, journal] : std::vector<std::pair<std::string, std::string>>{
             {newText, whole}, {oldText, whole}, {players, whole}, {newText.substr(0, 100), whole.substr(0, 5000)}}) {
        writeText(path, file);
        writeText(journalPath, journal);
        EXPECT_FALSE(recoverInterruptedReplace(path).rewriteUndone);
        EXPECT_EQ(textOf(path), file);
        EXPECT_EQ(access(journalPath.c_str(), F_OK), -1);
    }
}

// The measurement, as a test: writes killed at random moments (300
// kills left 146 temporary files before). After each kill and the recovery of
// the next start, the file is the old or the new text, whole, and nothing of
// ours is left: for a plain file (replaced by rename) and a hard-linked one
// (rewritten in place).
TEST(FileRecovery, AWriteKilledAtAnyMomentLeavesTheOldOrTheNewTextAndNoLeftovers) {
    testing_support::loadPlugin();
    const std::string a = textOfSize(6000), b = textOfSize(9000, 2);
    std::mt19937 random(16);
    for (bool hardLinked : {false, true}) {
        SCOPED_TRACE(hardLinked ? "hard-linked" : "plain");
        std::remove(path);
        std::remove("other-name.ini");
        writeText(path, a);
        if (hardLinked) {
            ASSERT_EQ(link(path, "other-name.ini"), 0);
        }
        int undone = 0;
        for (int kill = 0; kill < 60; ++kill) {
            pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                for (;;) {
                    std::string text;
                    FileStamp stamp;
                    if (readWholeFile(path, &text, &stamp)) replaceFileContent(path, text, stamp, text == a ? b : a);
                }
            }
            usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
            ::kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            undone += recoverInterruptedReplace(path).rewriteUndone;
            std::string text = textOf(path);
            ASSERT_TRUE(text == a || text == b) << "kill " << kill << ": " << text.size() << " bytes";
            ASSERT_EQ(namesIn(".").size(), hardLinked ? 2u : 1u) << "kill " << kill;
            if (hardLinked) {
                ASSERT_EQ(textOf("other-name.ini"), text);
            }
        }
        std::printf("  %s: %d of 60 kills left a half-rewritten file, undone\n", hardLinked ? "hard-linked" : "plain",
                    undone);
    }
}
