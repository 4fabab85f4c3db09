#pragma once
// The millisecond tick count: GetTickCount on Windows, the simulated game's
// clock on Linux. It wraps to 0 after 49.7 days.
#include <cstdint>

uint32_t tickCount();
