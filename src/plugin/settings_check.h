#pragma once
// The once-a-second check of the main loop: the settings re-read, the
// "Pelorin.ini modified" notice (with the number of problems the check of the
// saved text found), and the stored skin enforced and written back.
#include <cstdint>

bool settingsCheckDue();
void runSettingsCheck();
