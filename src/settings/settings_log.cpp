#include "settings/settings_log.h"

#include <cstdint>
#include <cstdio>

#include "settings/settings_checker.h"
#include "settings/value_reading.h"
#include "settings/settings_file.h"
#include "shared/event_log.h"

namespace {

// The most findings logged in full at one read, so that their lines fit the
// log's buffer; a file with more is told how many more there are.
constexpr int findingsLoggedInFull = 30;

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

// The texts of the findings logged in full, each whole: apart from the sink,
// which has a table of virtual functions and so would take them into the
// plug-in's file as initialised data.
char loggedTexts[findingsLoggedInFull][sizeof MessageText::text];

// The warnings and errors of a check as the checker makes them (not in line
// order): how many, and the first ones by line with their texts, in storage
// of its own. Only a finding that would be among them is formatted, so that
// a file of thousands of problems costs no more than their count.
class ProblemsForLog final : public FindingSink {
public:
    void clear() {
        count_ = kept_ = 0;
        placesFingerprint_ = 0;
    }

    bool wantsMessage(int line, CheckSeverity severity) const override {
        return severity != CheckSeverity::Note && (kept_ < findingsLoggedInFull || line < lines_[order_[kept_ - 1]]);
    }

    void add(int line, CheckSeverity severity, FindingKind kind, int key, const char* text) override {
        if (severity == CheckSeverity::Note) return;
        ++count_;
        // A sum, so that the order in which the findings come does not matter.
        placesFingerprint_ += fingerprintOf(fingerprintOf(2166136261u, line, ""), static_cast<int>(kind) * 64 + key, "");
        if (text == nullptr) return;
        // The slot of a new finding, or of the last one by line, which drops out.
        int slot = kept_ < findingsLoggedInFull ? kept_ : order_[kept_ - 1];
        int at = kept_ < findingsLoggedInFull ? kept_++ : kept_ - 1;
        for (; at > 0 && lines_[order_[at - 1]] > line; --at) order_[at] = order_[at - 1];
        order_[at] = slot;
        lines_[slot] = line;
        std::snprintf(loggedTexts[slot], sizeof loggedTexts[slot], "%s", text);
    }

    int count() const { return count_; }

    // Logs them when they differ from the last ones logged.
    void log() const {
        uint32_t fingerprint = placesFingerprint_;
        for (int i = 0; i < kept_; ++i) fingerprint = fingerprintOf(fingerprint, lines_[order_[i]], loggedTexts[order_[i]]);
        if (!changed(count_, fingerprint)) return;
        if (count_ > 1)
            logEvent("Pelorin.ini has %d problems; pelorin-check.exe explains them line by line:",
                     static_cast<int>(count_));
        for (int i = 0; i < kept_; ++i) logFinding(lines_[order_[i]], loggedTexts[order_[i]]);
        if (count_ > findingsLoggedInFull)
            logEvent("Pelorin.ini: %d more problems; pelorin-check.exe lists them all",
                     static_cast<int>(count_ - findingsLoggedInFull));
    }

private:
    int32_t count_ = 0;
    uint32_t placesFingerprint_ = 0;
    int kept_ = 0;
    int order_[findingsLoggedInFull] = {};  // the slots by line
    int lines_[findingsLoggedInFull] = {};
};

// The parse in progress, with what it found so far; kept from one parse to
// the next, so that its storage allocates nothing once grown.
SettingsCheckRun checkRun;
ProblemsForLog problems;

}  // namespace

void startSettingsParse(std::string_view text, ProfileSection* section) {
    problems.clear();
    checkRun.start(text, section, &problems, nullptr);
}

bool continueSettingsParse(size_t budget) {
    if (!checkRun.advance(budget)) return false;
    problems.log();
    return true;
}

int settingsProblemCount() { return problems.count(); }

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
