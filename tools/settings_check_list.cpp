#include "tools/settings_check_list.h"

#include <algorithm>

namespace {

// Keeps every finding.
class FindingList final : public FindingSink {
public:
    explicit FindingList(std::vector<SettingsFinding>* findings) : findings_(*findings) {}
    bool wantsMessage(int, CheckSeverity) const override { return true; }
    void add(int line, CheckSeverity severity, FindingKind kind, int key, const char* message) override {
        findings_.push_back(SettingsFinding{line, severity, message, kind, key});
    }

private:
    std::vector<SettingsFinding>& findings_;
};

}  // namespace

SettingsCheck checkSettingsText(std::string_view file) {
    SettingsCheck check{};
    ProfileSection section;
    FindingList findings(&check.findings);
    check.odds = checkSettings(file, &section, &findings, &check.customPoints);
    // By line, file-wide findings first, each line's in the order found.
    std::stable_sort(check.findings.begin(), check.findings.end(),
                     [](const SettingsFinding& a, const SettingsFinding& b) { return a.line < b.line; });
    return check;
}

int checkExitStatus(const SettingsCheck& check) {
    int status = 0;
    for (const SettingsFinding& f : check.findings) {
        if (f.severity == CheckSeverity::Error) return 2;
        if (f.severity == CheckSeverity::Warning) status = 1;
    }
    return status;
}

const char* severityName(CheckSeverity severity) {
    switch (severity) {
        case CheckSeverity::Note:
            return "note";
        case CheckSeverity::Warning:
            return "warning";
        case CheckSeverity::Error:
            return "error";
    }
    return "note";
}
