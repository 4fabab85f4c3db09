#include "tools/settings_key_descriptions.h"

#define KEY(name, kind, builtIn, missing, low, high, step, unit, outside, page, label, hint, description, ...) description,
const char* const settingKeyDescriptions[settingKeyCount] = {
#include "settings/settings_keys.def"
};
