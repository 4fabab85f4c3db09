#include "settings/settings_log.h"

#include <cstdio>
#include <cstring>

#include "settings/settings_checker.h"
#include "settings/settings_file.h"
#include "shared/event_log.h"

namespace {

int32_t lastCount = 0;
char lastMessage[160];

// Counts the warnings and errors and keeps the first of them by line (file-wide
// ones first); only a finding that would be the new first is formatted.
class FirstProblem final : public FindingSink {
public:
    int32_t count = 0;
    char message[160] = "";

    bool wantsMessage(int line, CheckSeverity severity) const override {
        return severity != CheckSeverity::Note && (count == 0 || line < firstLine_);
    }
    void add(int line, CheckSeverity severity, FindingKind, int, const char* text) override {
        if (severity == CheckSeverity::Note) return;
        ++count;
        if (text == nullptr) return;
        firstLine_ = line;
        if (line > 0)
            std::snprintf(message, sizeof message, "line %d: %s", line, text);
        else
            std::snprintf(message, sizeof message, "%s", text);
    }

private:
    int firstLine_ = 0;
};

// The parse in progress, with what it found so far; kept from one parse to
// the next, so that its storage allocates nothing once grown.
SettingsCheckRun checkRun;
FirstProblem problems;

}  // namespace

void logSettingsProblems(int32_t count, const char* firstMessage) {
    if (count <= 0) {
        lastCount = 0;
        lastMessage[0] = '\0';
        return;
    }
    if (count == lastCount && std::strncmp(firstMessage, lastMessage, sizeof lastMessage - 1) == 0) return;
    lastCount = count;
    std::snprintf(lastMessage, sizeof lastMessage, "%s", firstMessage);
    if (count == 1)
        logEvent("Pelorin.ini: %s", firstMessage);
    else
        logEvent("Pelorin.ini: %d problems, the first: %s", static_cast<int>(count), firstMessage);
}

void startSettingsParse(std::string_view text, ProfileSection* section) {
    problems = FirstProblem();
    checkRun.start(text, section, &problems, nullptr);
}

bool continueSettingsParse(size_t budget) {
    if (!checkRun.advance(budget)) return false;
    logSettingsProblems(problems.count, problems.message);
    return true;
}

bool logSettingsReadFailure() {
    if (settingsFileExists())
        logSettingsProblems(1, "the file exists but could not be read; the last values stay");
    else
        logSettingsProblems(1, "the file was not found; the built-in or last values stay");
    return false;
}
