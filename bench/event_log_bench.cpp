// Pelorin.log: the cost of one logged line (formatted into the fixed buffer)
// and of one flush (the buffered lines appended to the file), with the heap
// allocations of each.
#include <chrono>
#include <cstdio>

#include "platform/files.h"
#include "shared/event_log.h"
#include "tests/support/plugin_state.h"
#include "sim/soak_memory.h"


namespace {
using Clock = std::chrono::steady_clock;
}

void benchEventLog() {
    testing_support::loadPlugin();
    resetEventLog();
    const int flushes = 2000;
    const int linesPerFlush = 12;  // about one death episode
    double lineNanoseconds = 0, flushNanoseconds = 0;
    unsigned long long lineAllocations = 0, flushAllocations = 0;
    for (int flush = 0; flush < flushes; ++flush) {
        uint64_t before = sim::soak::allocationCount();
        Clock::time_point start = Clock::now();
        for (int line = 0; line < linesPerFlush; ++line)
            logEvent("you stay where you were, at (%.1f, %.1f, %.1f)", 1234.5f + line, -2345.25f, 31.0f);
        lineNanoseconds += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        lineAllocations += sim::soak::allocationCount() - before;
        before = sim::soak::allocationCount();
        start = Clock::now();
        flushEventLog(true);
        flushNanoseconds += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        flushAllocations += sim::soak::allocationCount() - before;
    }
    std::printf("event log (%d flushes of %d lines, into %s):\n", flushes, linesPerFlush, eventLogPath());
    std::printf("  per logged line:  %.0f ns, %.3f heap allocations\n", lineNanoseconds / (flushes * linesPerFlush),
                static_cast<double>(lineAllocations) / (flushes * linesPerFlush));
    std::printf("  per flush:        %.1f us (size check and append), %.3f heap allocations\n",
                flushNanoseconds / flushes / 1000.0, static_cast<double>(flushAllocations) / flushes);
    uint64_t current = 0, previous = 0;
    fileSize("Pelorin.log", &current);
    fileSize("Pelorin.log.1", &previous);
    std::printf("  files at the end: Pelorin.log %.0f KB, Pelorin.log.1 %.0f KB (bound %.0f KB)\n", current / 1024.0,
                previous / 1024.0, eventLogMaxBytes / 1024.0);
}
