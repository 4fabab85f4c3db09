#pragma once
// The description of each settings key that the shipped settings file gives as
// its comment above the key (a view of settings_keys.def, in the order of
// settingKeys): for the tools and tests; Pelorin.asi leaves it out for its size.
#include "settings/settings_keys.h"

extern const char* const settingKeyDescriptions[settingKeyCount];
