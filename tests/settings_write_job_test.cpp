// Our writes of a large settings file in steps: how many steps they take and
// what each may do, the text they end with (the whole edit's, byte for byte),
// a save of the player's between any two steps, a crash between any two, and
// the read in slices that a save in the middle of it makes void.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/custom_points_text.h"
#include "ini/ini_writer.h"
#include "platform/background_call.h"
#include "platform/files.h"
#include "settings_io/settings_file.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_write_job.h"
#include "spawn/custom_spawn.h"
#include "spawn/delete_spawn_point.h"
#include "tests/support/plugin_state.h"

namespace {

const std::string& largeText() {
    static const std::string text = withTenThousandCustomPoints(
        testing_support::builtInSettingsWith({{"number_of_custom_spawn_points_in_use", "10000"}}));
    return text;
}

// The game with the large file read in force.
void startWithLargeFile() {
    testing_support::loadPlugin();
    testing_support::writeSettingsFile(largeText());
    ASSERT_TRUE(readSettings());
    settingsFileChanged();
}

struct Outcome {
    bool ended = false;
    SettingsWriteEnd end = SettingsWriteEnd::Unwritable;
    std::vector<std::string> keys, values;  // what the write chose, copied
    std::vector<bool> removed;
};
SettingsWriteDone recordInto(Outcome* outcome) {
    return [outcome](SettingsWriteEnd end, const std::vector<SettingsValue>& written) {
        outcome->ended = true;
        outcome->end = end;
        for (const SettingsValue& value : written) {
            outcome->keys.emplace_back(value.key);
            outcome->values.emplace_back(value.value ? value.value : "");
            outcome->removed.push_back(value.value == nullptr);
        }
    };
}

// The text the whole edit of the chosen keys makes of a text at once.
std::string wholeEditOf(const std::string& text, const Outcome& outcome) {
    std::vector<SettingsValue> values;
    for (size_t i = 0; i < outcome.keys.size(); ++i)
        values.push_back(SettingsValue{outcome.keys[i].c_str(), outcome.removed[i] ? nullptr : outcome.values[i].c_str()});
    return withSettingsValues(text, settingsSectionName, values.data(), values.size());
}

// Chooses one key set to a value, all at once.
class OneKey : public SettingsKeysChooser {
public:
    OneKey(const char* key, const char* value) : value_{key, value} {}
    bool choose(const ProfileSection&, const ProfileSection&, bool, std::vector<SettingsValue>* chosen) override {
        *chosen = {value_};
        return true;
    }

private:
    SettingsValue value_;
};

size_t stepsToEnd(const std::string& text) {
    size_t steps = 0;
    while (settingsWriteRunning()) {
        EXPECT_TRUE(stepSettingsWrite());
        if (++steps > testing_support::mostStepsOfOurWrite(text.size())) return steps;
    }
    return steps;
}

}  // namespace

// Deleting point 1 of 10,000 moves 29,997 keys: many steps, none of them the
// whole write, and the file ends as the whole edit of the keys would leave it,
// the text in force with it, so that the menu never shows the old points.
TEST(SettingsWriteJob, ALargeDeleteTakesManyStepsAndEndsWithTheWholeEditsText) {
    startWithLargeFile();
    const uint32_t versionBefore = settingsTextVersion();
    Outcome outcome;
    PointDelete deleted = PointDelete::Unwritable;
    ASSERT_TRUE(deleteCustomSpawnPoint(1, customSpawnPointIn(settingsSectionAsRead(), 1),
                                       [&](PointDelete result) { deleted = result; }));
    EXPECT_FALSE(startSettingsWrite(std::make_unique<OneKey>("first_wait_time", "1"), recordInto(&outcome)))
        << "one write at a time";
    const size_t before = settingsWriteSteps();
    // The first step does not write the file: the file still holds point 1.
    ASSERT_TRUE(stepSettingsWrite());
    EXPECT_EQ(testing_support::settingsFileText(), largeText());
    EXPECT_EQ(settingsTextVersion(), versionBefore);
    size_t steps = 1 + stepsToEnd(largeText());
    EXPECT_EQ(deleted, PointDelete::Deleted);
    EXPECT_GE(steps, 3u) << "the text made, the replace started, and its result taken alone";
    EXPECT_LE(steps, testing_support::mostStepsOfOurWrite(largeText().size()));
    EXPECT_EQ(settingsWriteSteps() - before, steps);

    // The same keys chosen by a synchronous write of the same file give the same bytes.
    const std::string written = testing_support::settingsFileText();
    testing_support::writeSettingsFile(largeText());
    ASSERT_TRUE(readSettings());
    Outcome again;
    ASSERT_TRUE(deleteCustomSpawnPoint(1, customSpawnPointIn(settingsSectionAsRead(), 1), nullptr));
    finishSettingsWrite();
    EXPECT_EQ(testing_support::settingsFileText(), written);

    // The text in force is the written one, taken in without another read.
    EXPECT_GT(settingsTextVersion(), versionBefore);
    EXPECT_EQ(customSpawnPointIn(settingsSectionAsRead(), 1).x, -1498.5f) << "point 2 is point 1 now";
    EXPECT_EQ(customSpawnPointsInUse(), 9999);
    EXPECT_FALSE(settingsFileChanged()) << "our own write is no save of the player's";
}

// The stored skin's write-back, one key near the top of a large file: the
// whole edit's text, in several steps.
TEST(SettingsWriteJob, AWriteBackOfOneKeyEndsWithTheWholeEditsText) {
    startWithLargeFile();
    Outcome outcome;
    ASSERT_TRUE(startSettingsWrite(std::make_unique<OneKey>("stored_last_used_skin", "225514697"), recordInto(&outcome)));
    size_t steps = stepsToEnd(largeText());
    ASSERT_TRUE(outcome.ended);
    EXPECT_EQ(outcome.end, SettingsWriteEnd::Written);
    EXPECT_GE(steps, 2u) << "the replace's result has a step of its own";
    EXPECT_LE(steps, testing_support::mostStepsOfOurWrite(largeText().size()));
    EXPECT_EQ(testing_support::settingsFileText(), wholeEditOf(largeText(), outcome));
    EXPECT_EQ(readStoredSkin(), 225514697u);
}

// The player saves the file between two steps of our write, whichever two
// (after what the step left to the background thread, as the game's frame
// gives it time): his save is never lost (our key is merged into it, or not
// written, or his save came after our rename).
TEST(SettingsWriteJob, APlayersSaveBetweenAnyTwoStepsIsKept) {
    startWithLargeFile();
    const std::string his = testing_support::withSetting(largeText(), "first_wait_time", "6000");
    size_t stepsOfAWrite = 0;
    for (size_t saveAfter = 0;; ++saveAfter) {
        SCOPED_TRACE("saved after step " + std::to_string(saveAfter));
        testing_support::writeSettingsFile(largeText());
        ASSERT_TRUE(readSettings());
        Outcome outcome;
        ASSERT_TRUE(startSettingsWrite(std::make_unique<OneKey>("stored_last_used_skin", "42"), recordInto(&outcome)));
        for (size_t step = 0; step < saveAfter && settingsWriteRunning(); ++step) stepSettingsWrite();
        if (!settingsWriteRunning()) {
            // Every step has had a save after it.
            finishSettingsWrite();
            break;
        }
        waitForBackgroundCall();
        testing_support::writeSettingsFile(his);
        stepsOfAWrite = std::max(stepsOfAWrite, saveAfter + stepsToEnd(his));
        ASSERT_TRUE(outcome.ended);
        std::string file = testing_support::settingsFileText();
        // His text, or ours merged into it; a save after our rename is simply his.
        bool merged = outcome.end == SettingsWriteEnd::Written && file == wholeEditOf(his, outcome);
        ASSERT_TRUE(file == his || merged) << "the write ended " << static_cast<int>(outcome.end);
        ASSERT_LE(saveAfter, testing_support::mostStepsOfOurWrite(his.size()));
    }
    EXPECT_GE(stepsOfAWrite, 2u);
}

// A crash (the process killed) between any two steps of a write leaves the
// old file or the new one, and at most a temporary file of ours, which the
// next start removes.
TEST(SettingsWriteJob, AWriteKilledBetweenAnyTwoStepsLeavesTheOldOrTheNewFile) {
    startWithLargeFile();
    const std::string newText = withSettingsValues(
        largeText(), settingsSectionName, std::vector<SettingsValue>{{"stored_last_used_skin", "42"}}.data(), 1);
    for (size_t killAfter = 0;; ++killAfter) {
        SCOPED_TRACE("killed after step " + std::to_string(killAfter));
        testing_support::writeSettingsFile(largeText());
        ASSERT_TRUE(readSettings());
        std::fflush(nullptr);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            startSettingsWrite(std::make_unique<OneKey>("stored_last_used_skin", "42"), nullptr);
            for (size_t step = 0; step < killAfter && settingsWriteRunning(); ++step) stepSettingsWrite();
            // Ended before the kill: the parent's loop is over.
            if (!settingsWriteRunning()) _exit(3);
            raise(SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        std::string file = testing_support::settingsFileText();
        ASSERT_TRUE(file == largeText() || file == newText) << file.size() << " bytes";
        recoverSettingsFile();
        size_t names = 0;
        for (const auto& entry : std::filesystem::directory_iterator("."))
            names += entry.path().filename().string().rfind("Pelorin.ini", 0) == 0;
        EXPECT_EQ(names, 1u) << "our temporary file removed at start";
        if (WIFEXITED(status)) {
            EXPECT_EQ(file, newText);
            break;
        }
        ASSERT_LE(killAfter, testing_support::mostStepsOfOurWrite(largeText().size()));
    }
}

// The read in slices counts only when every slice saw the same file: a save
// (an editor's truncation and rewrite) between two slices makes it fail, and
// the read after it sees the new text whole.
TEST(SettingsWriteJob, AReadInSlicesOfAFileSavedMeanwhileIsNotUsed) {
    testing_support::loadPlugin();
    testing_support::writeSettingsFile(largeText());
    const std::string his = testing_support::withSetting(largeText(), "first_wait_time", "6000");
    for (const std::string& saved : {his, largeText().substr(0, 100000)}) {
        std::string text;
        SlicedFileRead read;
        read.start(settingsFilePath, &text);
        ASSERT_EQ(read.advance(settingsFileSliceBytes), SlicedFileRead::Progress::Reading);
        testing_support::writeSettingsFile(saved);
        SlicedFileRead::Progress progress;
        size_t slices = 0;
        while ((progress = read.advance(settingsFileSliceBytes)) == SlicedFileRead::Progress::Reading)
            ASSERT_LE(++slices, largeText().size() / settingsFileSliceBytes + 1);
        EXPECT_EQ(progress, SlicedFileRead::Progress::Failed);
        FileStamp stamp;
        read.start(settingsFilePath, &text);
        while ((progress = read.advance(settingsFileSliceBytes, &stamp)) == SlicedFileRead::Progress::Reading) {
        }
        EXPECT_EQ(progress, SlicedFileRead::Progress::Read);
        EXPECT_EQ(text, saved);
        EXPECT_EQ(stamp.size, saved.size());
    }
}

// The edit in steps of a byte each gives the whole edit's text, whatever the
// text: a missing section, an open last line that goes, UTF-16, a key set
// twice, a removed key of several lines.
TEST(SettingsWriteJob, AnEditInTheSmallestStepsGivesTheWholeEditsText) {
    const std::string utf16 = std::string("\xFF\xFE[\0S\0]\0\r\0\n\0a\0=\0\x31\0", 18);
    const std::vector<std::string> texts = {"",
                                            "[S]\r\na=1\r\nb=2",
                                            "[S]\nb=2\na=1",
                                            "[T]\nx=1\n",
                                            "[S]\r\n; c\r\na=1\r\nb=2\r\nb=3\r\n[T]\r\nc=1\r\n",
                                            "[S]\ra\rb=\r",
                                            utf16};
    const ProfileEdit edits[] = {{"a", "9"}, {"b", std::string_view()}, {"c", "new"}, {"a", "10"}, {"d", ""}};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        for (size_t count = 1; count <= std::size(edits); ++count) {
            const std::string whole = withProfileEdits(text, "S", edits, count);
            for (size_t budget : {size_t(1), size_t(5), size_t(64)}) {
                std::string stepped;
                ProfileEditor editor;
                editor.start(text, "S", edits, count, &stepped);
                size_t steps = 0;
                while (!editor.advance(budget)) ASSERT_LE(++steps, 16 * (text.size() + count) + 10);
                EXPECT_EQ(stepped, whole) << count << " edits, budget " << budget;
            }
        }
    }
}
