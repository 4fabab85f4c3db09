// About: the version, where the settings file is, and what the settings
// checker finds in it, in short (pelorin-check.exe tells the whole of it).
#include <cstdio>
#include <cstring>
#include <string>

#include "menu/menu.h"
#include "menu/pages.h"
#include "pelorin_version.h"
#include "platform/full_path.h"
#include "settings/respawn_settings.h"
#include "settings/settings_checker.h"
#include "settings/settings_file.h"

namespace {

constexpr int mostFindings = 40;
constexpr int fixedLines = 4;  // version, "Settings file", its path, the summary

struct Finding {
    char text[sizeof MenuLine{}.label];
};

class AboutPage final : public MenuPage {
public:
    const char* title() const override { return "About"; }
    int lineCount() const override { return fixedLines + findingCount_; }

    // The check runs when the page opens and after each change of the file.
    void opened() override { check(); }
    void refresh() override {
        if (checkedVersion_ != settingsTextVersion()) check();
    }

    void describe(int line, MenuLine* out) const override {
        switch (line) {
            case 0:
                std::snprintf(out->label, sizeof out->label, "Version");
                std::snprintf(out->value, sizeof out->value, "%s", PELORIN_VERSION);
                return;
            case 1:
                std::snprintf(out->label, sizeof out->label, "Settings file");
                return;
            case 2:
                std::snprintf(out->label, sizeof out->label, "%s", path_);
                out->dimmed = true;
                return;
            case 3:
                std::snprintf(out->label, sizeof out->label, "Settings check");
                std::snprintf(out->value, sizeof out->value, "%s", summary_);
                return;
        }
        std::snprintf(out->label, sizeof out->label, "%s", findings_[line - fixedLines].text);
        out->dimmed = true;
    }

    const char* help(int) const override { return "pelorin-check.exe explains every line   Backspace: back"; }

private:
    void check() {
        checkedVersion_ = settingsTextVersion();
        findingCount_ = 0;
        shortPath();
        std::string text;
        if (!readSettingsFileText(&text)) {
            std::snprintf(summary_, sizeof summary_, "no file");
            return;
        }
        SettingsCheck check = checkSettingsText(text);
        int errors = 0, warnings = 0;
        for (const SettingsFinding& finding : check.findings) {
            if (finding.severity == CheckSeverity::Note) continue;
            if (finding.severity == CheckSeverity::Error)
                ++errors;
            else
                ++warnings;
            if (findingCount_ == mostFindings) continue;
            char* out = findings_[findingCount_++].text;
            int length = finding.line > 0 ? std::snprintf(out, sizeof findings_[0].text, "Line %d: %s", finding.line,
                                                          finding.message.c_str())
                                          : std::snprintf(out, sizeof findings_[0].text, "%s", finding.message.c_str());
            if (length >= static_cast<int>(sizeof findings_[0].text))
                std::memcpy(out + sizeof findings_[0].text - 4, "...", 4);
        }
        if (errors + warnings == 0)
            std::snprintf(summary_, sizeof summary_, "no problems");
        else
            std::snprintf(summary_, sizeof summary_, "%d error%s, %d warning%s", errors, errors == 1 ? "" : "s",
                          warnings, warnings == 1 ? "" : "s");
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
    char path_[sizeof MenuLine{}.label] = "";
    char summary_[sizeof MenuLine{}.value] = "";
    Finding findings_[mostFindings];
    int findingCount_ = 0;
};

AboutPage page;

}  // namespace

MenuPage& aboutPage() { return page; }
