#include "settings/settings_keys.h"

#include "ini/ini_reader.h"

namespace {

// What a missing spawn chance does, the same for the six of them (the checker
// adds how the odds change).
constexpr const char* missingChanceEffect = "a share of -1 percent";

}  // namespace

#define KEY(name, kind, builtIn, missing, low, high, step, unit, outside, page, label, hint, description, missingSeverity, \
            missingEffect, valueSeverity, valueEffect, choices)                                                     \
    {CheckSeverity::missingSeverity, missingEffect, CheckSeverity::valueSeverity, valueEffect},
const SettingKeyCheck settingKeyChecks[settingKeyCount] = {
#include "settings/settings_keys.def"
};

int settingKeyIndex(std::string_view name) {
    for (int i = 0; i < settingKeyCount; ++i)
        if (equalIgnoringCase(name, settingKeys[i].name)) return i;
    return -1;
}
