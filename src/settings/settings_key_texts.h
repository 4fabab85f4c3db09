#pragma once
// The texts a menu or a tool shows for each settings key (a view of
// settings_keys.def, in the order of settingKeys): a short label, the
// description the shipped settings file gives as its comment above the key,
// and the names of a Choice key's values. Pelorin.asi shows none of them and
// leaves them out for its size; what shows them links them.
#include <cstdint>
#include <string_view>

#include "settings/settings_keys.h"

struct SettingKeyText {
    const char* label;
    const char* description;
    const char* choices;  // the names of the values low to high, '|' between; nullptr unless a Choice key
};
extern const SettingKeyText settingKeyTexts[settingKeyCount];

inline const SettingKeyText& settingKeyText(SettingId id) { return settingKeyTexts[static_cast<int>(id)]; }
// The name of a Choice key's value ("" for a value outside its range or a
// key without choices).
std::string_view choiceName(SettingId id, int32_t value);
