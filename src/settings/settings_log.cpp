#include "settings/settings_log.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "settings/settings_checker.h"
#include "settings/settings_file.h"
#include "shared/event_log.h"

namespace {

int32_t lastCount = 0;
char lastMessage[160];

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

// Runs only when the file's text has changed: the checker builds its findings
// on the heap, which an unchanged second must not do.
void logSettingsReadFindings(std::string_view text) {
    SettingsCheck check = checkSettingsText(text);
    int32_t count = 0;
    char first[160] = "";
    for (const SettingsFinding& finding : check.findings) {
        if (finding.severity == CheckSeverity::Note) continue;
        if (count++ == 0) {
            if (finding.line > 0)
                std::snprintf(first, sizeof first, "line %d: %s", finding.line, finding.message.c_str());
            else
                std::snprintf(first, sizeof first, "%s", finding.message.c_str());
        }
    }
    logSettingsProblems(count, first);
}

bool logSettingsReadFailure() {
    if (settingsFileExists())
        logSettingsProblems(1, "the file exists but could not be read; the last values stay");
    else
        logSettingsProblems(1, "the file was not found; the built-in or last values stay");
    return false;
}
