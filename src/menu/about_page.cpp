// About: the version, the keys the settings key table puts here (the log),
// where the settings file is, and what the settings checker finds in it, in
// short (pelorin-check.exe tells the whole of it).
#include <cstdio>
#include <cstring>
#include <string>

#include "menu/menu.h"
#include "menu/pages.h"
#include "menu/setting_line.h"
#include "pelorin_version.h"
#include "platform/files.h"
#include "platform/full_path.h"
#include "platform/performance_counter.h"
#include "settings_io/settings_store.h"
#include "checker/first_findings.h"
#include "settings_io/settings_file.h"

namespace {

constexpr PageKeys aboutKeys = keysOnPage(SettingPage::About);
// The lines before the findings: the version, the keys, then these.
enum FileLine { SettingsFile, FilePath, SettingsCheckLine, FileLineCount };
constexpr int firstFileLine = 1 + aboutKeys.count;
constexpr int fixedLines = firstFileLine + FileLineCount;

class AboutPage final : public MenuPage {
public:
    const char* title() const override { return "About"; }
    // The findings once the check is done.
    int lineCount() const override { return fixedLines + (checking_ ? 0 : findings_.kept()); }

    // The check starts when the page opens and after each change of the file,
    // and goes on a step per frame: a file of 10,000 points takes some frames.
    void opened() override { checkDue_ = true; }
    void refresh() override {
        if (checkDue_ || checkedVersion_ != settingsTextVersion())
            startCheck();
        else if (checking_)
            continueCheck(performanceCounterMicroseconds());
    }

    void describe(int line, MenuLine* out) const override {
        if (line == 0) {
            std::snprintf(out->label, sizeof out->label, "Version");
            std::snprintf(out->value, sizeof out->value, "%s", PELORIN_VERSION);
            return;
        }
        if (line < firstFileLine) return describeSetting(aboutKeys.ids[line - 1], out);
        switch (line - firstFileLine) {
            case SettingsFile:
                std::snprintf(out->label, sizeof out->label, "Settings file");
                return;
            case FilePath:
                copyCut(out->label, sizeof out->label, path_, true);
                out->cutFront = true;
                out->dimmed = true;
                return;
            case SettingsCheckLine:
                std::snprintf(out->label, sizeof out->label, "Settings check");
                std::snprintf(out->value, sizeof out->value, "%s", summary_);
                return;
        }
        char finding[sizeof MenuView{}.description];
        describeFinding(line - fixedLines, finding, sizeof finding);
        copyCut(out->label, sizeof out->label, finding, false);
        out->dimmed = true;
    }

    // The path and the findings in full; a setting as on its page.
    void explain(int line, const MenuLine& shown, char* text, size_t size) const override {
        if (isSettingLine(line)) return explainSetting(aboutKeys.ids[line - 1], shown, text, size);
        if (line == firstFileLine + FilePath) {
            copyCut(text, size, path_, true);
            return;
        }
        if (line >= fixedLines) return describeFinding(line - fixedLines, text, size);
        MenuPage::explain(line, shown, text, size);
    }

    int listStart() const override { return fixedLines; }
    bool changeable(int line) const override { return isSettingLine(line); }
    bool change(int line, int direction) override { return stepSetting(aboutKeys.ids[line - 1], direction); }

    const char* help(int line) const override {
        return isSettingLine(line) ? settingLineHelp : "pelorin-check.exe explains every line   Backspace: back";
    }

private:
    static bool isSettingLine(int line) { return line >= 1 && line < firstFileLine; }

    // The text in a buffer too small for it: its end (or start) cut with "…",
    // between characters; the menu cuts it further to the line's width.
    static void copyCut(char* out, size_t size, const char* text, bool cutFront) {
        size_t length = std::strlen(text);
        if (length < size) {
            std::memcpy(out, text, length + 1);
            return;
        }
        constexpr size_t ellipsis = 3;  // "…" in UTF-8
        size_t kept = size - 1 - ellipsis;
        size_t from = cutFront ? length - kept : 0;
        // Not into a character: a UTF-8 continuation byte is 10xxxxxx.
        if (cutFront)
            while (from < length && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80) ++from;
        else
            while (kept > 0 && (static_cast<unsigned char>(text[kept]) & 0xC0) == 0x80) --kept;
        size_t bytes = cutFront ? length - from : kept;
        char* end = out;
        if (cutFront) end = static_cast<char*>(std::memcpy(out, "\u2026", ellipsis)) + ellipsis;
        std::memcpy(end, text + from, bytes);
        end += bytes;
        if (!cutFront) end = static_cast<char*>(std::memcpy(end, "\u2026", ellipsis)) + ellipsis;
        *end = '\0';
    }

    void startCheck() {
        checkDue_ = false;
        checkedVersion_ = settingsTextVersion();
        fullPath();
        findings_.clear();
        readTries_ = 0;
        read_.start(settingsFilePath, &text_);
        checking_ = true;
        std::snprintf(summary_, sizeof summary_, "checking\u2026");
        continueCheck(performanceCounterMicroseconds());
    }

    // The file read in slices (900 KB at once hold up a frame for more than a
    // millisecond), then a slice of the walk at least; the check of the
    // values, a good part of a step on a large file, follows in the same step
    // only while less than half of its share is spent.
    void continueCheck(uint64_t start) {
        if (read_.running() && !continueRead(start)) return;
        while (!run_.advance(settingsSliceBytes)) {
            uint64_t spent = performanceCounterMicroseconds() - start;
            if (spent >= settingsStepMicroseconds || (run_.valuesCheckDue() && spent >= settingsStepMicroseconds / 2))
                return;
        }
        checking_ = false;
        if (findings_.count() == 0)
            std::snprintf(summary_, sizeof summary_, "no problems");
        else
            std::snprintf(summary_, sizeof summary_, "%d error%s, %d warning%s", findings_.errors(),
                          findings_.errors() == 1 ? "" : "s", findings_.warnings(), findings_.warnings() == 1 ? "" : "s");
    }

    // Slices through one open for half of the step's share: true when the
    // file is read whole and its walk may begin in this step.
    bool continueRead(uint64_t start) {
        auto shareLeft = [start] { return performanceCounterMicroseconds() - start < settingsStepMicroseconds / 2; };
        SlicedFileRead::Progress progress = read_.advance(settingsFileSliceBytes, nullptr, shareLeft);
        if (progress == SlicedFileRead::Progress::Reading) return false;
        const bool exists = settingsFileExists();
        if (progress == SlicedFileRead::Progress::Failed) {
            // Changed between two slices (a save of the player's under way): read again.
            if (exists && ++readTries_ < readTries) {
                read_.start(settingsFilePath, &text_);
                return false;
            }
            checking_ = false;
            std::snprintf(summary_, sizeof summary_, exists ? "cannot be read" : "no file");
            return false;
        }
        if (text_.empty()) {
            checking_ = false;
            std::snprintf(summary_, sizeof summary_, "empty file");
            return false;
        }
        run_.start(text_, &section_, &findings_, nullptr);
        return shareLeft();
    }

    // "Line 12: ..." (the line left out for the file as a whole).
    void describeFinding(int index, char* out, size_t size) const {
        int line = findings_.line(index);
        char text[1024];
        if (line > 0)
            std::snprintf(text, sizeof text, "Line %d: %s", line, findings_.text(index));
        else
            std::snprintf(text, sizeof text, "%s", findings_.text(index));
        copyCut(out, size, text, false);
    }

    void fullPath() {
        if (!fullPathOf(settingsFilePath, path_, sizeof path_))
            std::snprintf(path_, sizeof path_, "%s", settingsFilePath);
    }

    // A file that keeps changing while it is read, or that cannot be opened.
    static constexpr int readTries = 3;

    uint32_t checkedVersion_ = 0;
    bool checkDue_ = false;
    bool checking_ = false;
    // The text and section the check in progress walks.
    SlicedFileRead read_;
    int readTries_ = 0;
    std::string text_;
    ProfileSection section_;
    SettingsCheckRun run_;
    char path_[1024] = "";
    char summary_[sizeof MenuLine{}.value] = "";
    FirstFindings findings_;
};

AboutPage page;

}  // namespace

MenuPage& aboutPage() { return page; }
