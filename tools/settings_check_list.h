#pragma once
// The settings checker's findings as a list sorted by line, with the odds and
// the custom points: what the tools print and the tests look at. The plug-in
// itself logs only the first problem (settings_log.h) and does not link this.
#include <string_view>
#include <vector>

#include "checker/settings_checker.h"

struct SettingsCheck {
    std::vector<SettingsFinding> findings;  // by line, file-wide ones first
    SpawnOdds odds;
    std::vector<CheckedCustomPoint> customPoints;  // in use and defined (the others read as the origin)
};

SettingsCheck checkSettingsText(std::string_view file);

// 0 when nothing is worth a warning, 1 for warnings, 2 for errors.
int checkExitStatus(const SettingsCheck& check);
const char* severityName(CheckSeverity severity);
