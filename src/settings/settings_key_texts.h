#pragma once
// The texts shown for each settings key (views of settings_keys.def, in the
// order of settingKeys): the label, the hint and the names of a Choice key's values,
// which the in-game menu shows. The descriptions the shipped settings file
// gives as comments are the tools' (tools/settings_key_descriptions.h).
#include <cstdint>
#include <string_view>

#include "settings/settings_keys.h"

struct SettingKeyText {
    const char* label;
    const char* hint;     // what the key does, in a few words; nullptr off the menu
    const char* choices;  // the names of the values low to high, '|' between; nullptr unless a Choice key
};
extern const SettingKeyText settingKeyTexts[settingKeyCount];

inline const SettingKeyText& settingKeyText(SettingId id) { return settingKeyTexts[static_cast<int>(id)]; }
// The name of a Choice key's value ("" for a value outside its range or a
// key without choices).
std::string_view choiceName(SettingId id, int32_t value);
