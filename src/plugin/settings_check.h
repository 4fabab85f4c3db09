#pragma once
// The once-a-second check of the main loop: the settings re-read, the
// "Pelorin.ini modified" notice, and the stored skin enforced and written back.
#include <cstdint>

// When the check last ran; 0 means never.
extern uint32_t lastSettingsCheckTime;
// A write of the stored skin failed (the file read-only or locked); it is
// tried again at the following checks.
extern bool storedSkinWritePending;

bool settingsCheckDue();
void runSettingsCheck();
