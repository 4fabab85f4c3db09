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
                std::snprintf(out->label, sizeof out->label, "%s", path_);
                out->dimmed = true;
                return;
            case SettingsCheckLine:
                std::snprintf(out->label, sizeof out->label, "Settings check");
                std::snprintf(out->value, sizeof out->value, "%s", summary_);
                return;
        }
        describeFinding(line - fixedLines, out->label, sizeof out->label);
        out->dimmed = true;
    }

    bool change(int line, int direction) override {
        return line >= 1 && line < firstFileLine && stepSetting(aboutKeys.ids[line - 1], direction);
    }

    const char* help(int line) const override {
        return line >= 1 && line < firstFileLine ? settingLineHelp
                                                 : "pelorin-check.exe explains every line   Backspace: back";
    }

private:
    void startCheck() {
        const uint64_t start = performanceCounterMicroseconds();
        checkDue_ = false;
        checkedVersion_ = settingsTextVersion();
        shortPath();
        findings_.clear();
        checking_ = false;
        if (!readSettingsFileText(&text_)) {
            std::snprintf(summary_, sizeof summary_, "no file");
            return;
        }
        run_.start(text_, &section_, &findings_, nullptr);
        checking_ = true;
        std::snprintf(summary_, sizeof summary_, "checking\u2026");
        // The read of a large file takes a good part of the step's share: the
        // walk then begins with the next frame.
        if (performanceCounterMicroseconds() - start < settingsStepMicroseconds / 2) continueCheck(start);
    }

    // A slice at least; the check of the values, a good part of a step on a
    // large file, follows in the same step only while less than half of its
    // share is spent.
    void continueCheck(uint64_t start) {
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

    // "Line 12: ..." (the line left out for the file as a whole), cut with
    // "..." when it does not fit.
    void describeFinding(int index, char* out, size_t size) const {
        int line = findings_.line(index);
        int length = line > 0 ? std::snprintf(out, size, "Line %d: %s", line, findings_.text(index))
                              : std::snprintf(out, size, "%s", findings_.text(index));
        if (length >= static_cast<int>(size)) std::memcpy(out + size - 4, "...", 4);
    }

    // The full path, or its end when it does not fit the line.
    void shortPath() {
        char full[1024];
        if (!fullPathOf(settingsFilePath, full, sizeof full)) std::snprintf(full, sizeof full, "%s", settingsFilePath);
        size_t length = std::strlen(full);
        size_t room = sizeof path_ - 1;
        if (length <= room) {
            std::memcpy(path_, full, length + 1);
        } else {
            std::memcpy(path_, "...", 3);
            std::memcpy(path_ + 3, full + length - (room - 3), room - 3 + 1);
        }
    }

    uint32_t checkedVersion_ = 0;
    bool checkDue_ = false;
    bool checking_ = false;
    // The text and section the check in progress walks.
    std::string text_;
    ProfileSection section_;
    SettingsCheckRun run_;
    char path_[sizeof MenuLine{}.label] = "";
    char summary_[sizeof MenuLine{}.value] = "";
    FirstFindings findings_;
};

AboutPage page;

}  // namespace

MenuPage& aboutPage() { return page; }
