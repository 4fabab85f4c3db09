#pragma once
// The once-a-second check of the main loop: the settings re-read, the
// "Pelorin.ini modified" notice, and the stored skin enforced and written back.
#include <cstdint>

// When the check last ran; 0 means never.
extern uint32_t lastSettingsCheckTime;
// Announce the next detected change of the settings file.
extern bool notifyOnSettingsChange;

bool settingsCheckDue();
void runSettingsCheck();
