#pragma once
// A steady clock of microseconds for sizing work by the time it takes (the
// system's performance counter, not the game's tick): its zero is arbitrary.
#include <cstdint>

uint64_t performanceCounterMicroseconds();
