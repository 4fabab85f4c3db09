#pragma once
// A chance in percent, rolled with the host's random integer: true when the
// percentage is at least a roll of 1 to 100 (so 0 never, 100 always).
#include <cstdint>

bool percentChance(int32_t percent);
