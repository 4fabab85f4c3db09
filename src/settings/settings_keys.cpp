#include "settings/settings_keys.h"

#include "settings/profile_text.h"

int settingKeyIndex(std::string_view name) {
    for (int i = 0; i < settingKeyCount; ++i)
        if (equalIgnoringCase(name, settingKeys[i].name)) return i;
    return -1;
}

std::string_view choiceName(const SettingKey& key, int32_t value) {
    if (key.choices == nullptr || value < key.low || value > key.high) return {};
    std::string_view names = key.choices;
    for (int32_t skipped = static_cast<int32_t>(key.low); skipped < value; ++skipped)
        names.remove_prefix(names.find('|') + 1);
    return names.substr(0, names.find('|'));
}
