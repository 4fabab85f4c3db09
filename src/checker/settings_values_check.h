#pragma once
// The second half of the settings check, once the walk has parsed the section:
// each value as the plug-in reads and uses it, in the player's words. Missing
// keys and misread numbers (with the fix), the chances and the odds of the
// roll, values held to their ranges or replaced (from the key table through
// setting_limits.h, as the plug-in applies them), the chords and the custom
// points.
#include <vector>

#include "checker/finding_report.h"
#include "checker/settings_checker.h"

SpawnOdds checkSectionValues(const ProfileSection& section, const CheckState& state, FindingReport& report,
                             std::vector<CheckedCustomPoint>* points);
