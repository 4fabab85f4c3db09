#pragma once
// Tick-count comparisons that survive the wrap of the 32-bit count: two ticks
// are compared through their signed 32-bit difference, so a deadline summed
// past zero still lies after its base, and a setting of -1 still puts a
// deadline one millisecond before its base ("at once").
#include <cstdint>

inline int32_t tickDifference(uint32_t later, uint32_t earlier) {
    return static_cast<int32_t>(later - earlier);
}
// now > deadline
inline bool tickAfter(uint32_t now, uint32_t deadline) { return tickDifference(now, deadline) > 0; }
// now >= deadline
inline bool tickReached(uint32_t now, uint32_t deadline) { return tickDifference(now, deadline) >= 0; }
// Milliseconds from start to now, correct across one wrap.
inline uint32_t ticksSince(uint32_t start, uint32_t now) { return now - start; }
