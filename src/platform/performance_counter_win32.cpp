#include <windows.h>

#include "platform/performance_counter.h"

uint64_t performanceCounterMicroseconds() {
    static const uint64_t frequency = [] {
        LARGE_INTEGER counts{};
        QueryPerformanceFrequency(&counts);
        return static_cast<uint64_t>(counts.QuadPart);
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    uint64_t counts = static_cast<uint64_t>(now.QuadPart);
    return counts / frequency * 1000000u + counts % frequency * 1000000u / frequency;
}
