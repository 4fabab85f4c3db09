#pragma once
// The once-a-second re-read of the main loop: the settings read again, the
// "Pelorin.ini modified" notice (with the number of problems the check of the
// saved text found), and the stored skin enforced and written back.
#include <cstdint>

// Once a second, and at once when the store wants the settings read again.
bool settingsRereadDue();
void runSettingsReread();
