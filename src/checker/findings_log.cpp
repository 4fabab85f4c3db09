#include "checker/findings_log.h"

#include <cstdint>

#include "checker/first_findings.h"
#include "shared/event_log.h"

namespace {

// The findings logged last, as a count and a fingerprint of their lines and
// texts (FNV-1a), so that the same findings are not logged every second.
int32_t lastCount = 0;
uint32_t lastFingerprint = 0;

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

// Logs the findings when they differ from the last ones logged, each in full
// on a line of its own, and how many more there are.
void logFindings(const FirstFindings& findings) {
    if (!changed(findings.count(), findings.fingerprint())) return;
    if (findings.count() > 1)
        logEvent("Pelorin.ini has %d problems; pelorin-check.exe explains them line by line:", findings.count());
    for (int i = 0; i < findings.kept(); ++i) logFinding(findings.line(i), findings.text(i));
    if (findings.count() > findings.kept())
        logEvent("Pelorin.ini: %d more problems; pelorin-check.exe lists them all", findings.count() - findings.kept());
}

// The parse in progress, with what it found so far; kept from one parse to
// the next, so that its storage allocates nothing once grown.
SettingsCheckRun checkRun;
FirstFindings problems;

}  // namespace

void startSettingsParse(std::string_view text, ProfileSection* section) {
    problems.clear();
    checkRun.start(text, section, &problems, nullptr);
}

bool continueSettingsParse(size_t budget) {
    if (!checkRun.advance(budget)) return false;
    logFindings(problems);
    return true;
}

bool settingsValuesCheckDue() { return checkRun.valuesCheckDue(); }

int settingsProblemCount() { return problems.count(); }

bool logSettingsReadFailure(bool fileExists) {
    const char* problem = fileExists ? "the file exists but could not be read; the last values stay"
                                               : "the file was not found; the built-in or last values stay";
    if (changed(1, findingFingerprint(2166136261u, 0, problem))) logFinding(0, problem);
    return false;
}

void forgetSettingsProblems() {
    lastCount = 0;
    lastFingerprint = 0;
}
