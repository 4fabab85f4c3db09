#include "settings/settings_key_texts.h"

#define KEY(name, kind, builtIn, missing, low, high, step, unit, outside, page, label, hint, description, missingSeverity, \
            missingEffect, valueSeverity, valueEffect, choices)                                                     \
    {label, hint, choices},
const SettingKeyText settingKeyTexts[settingKeyCount] = {
#include "settings/settings_keys.def"
};

std::string_view choiceName(SettingId id, int32_t value) {
    const SettingKey& key = settingKey(id);
    const char* choices = settingKeyText(id).choices;
    if (choices == nullptr || value < key.low || value > key.high) return {};
    std::string_view names = choices;
    for (int32_t skipped = static_cast<int32_t>(key.low); skipped < value; ++skipped)
        names.remove_prefix(names.find('|') + 1);
    return names.substr(0, names.find('|'));
}
