#include "settings/settings_keys.h"

#include "settings/profile_text.h"

int settingKeyIndex(std::string_view name) {
    for (int i = 0; i < settingKeyCount; ++i)
        if (equalIgnoringCase(name, settingKeys[i].name)) return i;
    return -1;
}
