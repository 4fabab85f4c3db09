#pragma once
// The settings file explained: every line of the text read with the plug-in's
// own reader, and what it makes of it. Unknown keys (with the closest known
// one), keys outside [Player_Respawn], duplicates, missing keys and what the
// plug-in does instead, values that are no numbers or make no sense, the odds
// of each spawn mode as the roll uses them, and the custom points.
// Plain work over one text; run it after a settings read that saw a change.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_keys.h"
#include "settings/spawn_roll.h"

struct SettingsFinding {
    int line;  // 1-based; 0 for the file as a whole (a missing key, the sum of chances)
    CheckSeverity severity;
    std::string message;
};

struct CheckedCustomPoint {
    int number;  // 1-based, as in "custom_spawn_<number>_x"
    float x, y, z;
    int line;  // line of its x key (0 when missing)
};

struct SettingsCheck {
    std::vector<SettingsFinding> findings;  // by line, file-wide ones first
    SpawnOdds odds;
    std::vector<CheckedCustomPoint> customPoints;  // in use and defined (the others read as the origin)
};

SettingsCheck checkSettingsText(std::string_view text);

// 0 when nothing is worth a warning, 1 for warnings, 2 for errors.
int checkExitStatus(const SettingsCheck& check);
const char* severityName(CheckSeverity severity);
