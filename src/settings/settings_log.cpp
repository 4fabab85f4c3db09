#include "settings/settings_log.h"

#include <cstdint>

#include "settings/settings_checker.h"
#include "settings/settings_file.h"
#include "shared/event_log.h"

namespace {

// The most findings logged in full at one read, so that their lines fit the
// log's buffer; a file with more is told how many more there are.
constexpr int32_t findingsLoggedInFull = 30;

// The findings logged last, as a count and a fingerprint of their lines and
// texts (FNV-1a), so that the same findings are not logged every second.
int32_t lastCount = 0;
uint32_t lastFingerprint = 0;

uint32_t fingerprintOf(uint32_t hash, int line, const char* text) {
    hash = (hash ^ static_cast<uint32_t>(line)) * 16777619u;
    for (; *text != '\0'; ++text) hash = (hash ^ static_cast<unsigned char>(*text)) * 16777619u;
    return hash;
}

// True when these findings differ from the last ones logged; records them.
bool changed(int32_t count, uint32_t fingerprint) {
    if (count == lastCount && fingerprint == lastFingerprint) return false;
    lastCount = count;
    lastFingerprint = fingerprint;
    return count > 0;
}

void logFinding(int line, const char* text) {
    if (line > 0)
        logEvent("Pelorin.ini line %d: %s", line, text);
    else
        logEvent("Pelorin.ini: %s", text);
}

}  // namespace

// Runs only when the file's text has changed: the checker builds its findings
// on the heap, which an unchanged second must not do.
void logSettingsReadFindings(std::string_view text) {
    SettingsCheck check = checkSettingsText(text);
    int32_t count = 0;
    uint32_t fingerprint = 2166136261u;
    for (const SettingsFinding& finding : check.findings) {
        if (finding.severity == CheckSeverity::Note) continue;
        ++count;
        fingerprint = fingerprintOf(fingerprint, finding.line, finding.message.c_str());
    }
    if (!changed(count, fingerprint)) return;
    if (count > 1)
        logEvent("Pelorin.ini has %d problems; pelorin-check.exe explains them line by line:", static_cast<int>(count));
    int32_t logged = 0;
    for (const SettingsFinding& finding : check.findings) {
        if (finding.severity == CheckSeverity::Note) continue;
        if (logged++ == findingsLoggedInFull) {
            logEvent("Pelorin.ini: %d more problems; pelorin-check.exe lists them all",
                     static_cast<int>(count - findingsLoggedInFull));
            break;
        }
        logFinding(finding.line, finding.message.c_str());
    }
}

bool logSettingsReadFailure() {
    const char* problem = settingsFileExists() ? "the file exists but could not be read; the last values stay"
                                               : "the file was not found; the built-in or last values stay";
    if (changed(1, fingerprintOf(2166136261u, 0, problem))) logFinding(0, problem);
    return false;
}

void forgetSettingsProblems() {
    lastCount = 0;
    lastFingerprint = 0;
}
