#pragma once
// The generator that picks entries of the built-in tables and lists. It is the
// C runtime's linear congruential rand (state = state * 214013 + 2531011,
// yielding bits 16 to 30), kept as our own so that other scripts on the game's
// thread cannot reseed it and so that every platform picks the same entries.
#include <cstdint>

void seedTableRandom(uint32_t seed);
// 0 to 32767.
int32_t tableRandom();
