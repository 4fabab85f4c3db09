#pragma once
// A chance in percent, rolled with the host's random integer: true when the
// percentage is at least a roll of 1 to 100 (so 0 never, 100 always).
#include <cstdint>

// The roll runs from percentRollFirst up to but not including percentRollEnd.
constexpr int32_t percentRollFirst = 1;
constexpr int32_t percentRollEnd = 101;

bool percentChance(int32_t percent);
// Whether the percentage wins against this roll (compared as floats, as the
// game's scripts compare them): the rule percentChance rolls, for those that
// count the odds.
inline bool percentReached(int32_t percent, int32_t roll) {
    return static_cast<float>(percent) >= static_cast<float>(roll);
}
