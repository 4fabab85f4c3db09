#include "shared/table_random.h"

namespace {
uint32_t tableRandomState = 1;  // the C runtime's state before any seed
}

void seedTableRandom(uint32_t seed) { tableRandomState = seed; }

int32_t tableRandom() {
    tableRandomState = tableRandomState * 214013u + 2531011u;
    return static_cast<int32_t>((tableRandomState >> 16) & 0x7FFFu);
}
