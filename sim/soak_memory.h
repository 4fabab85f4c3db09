#pragma once
// Heap allocations and resident memory of the process (the soak and the
// benchmarks). Linking this file replaces the global allocation functions with counting ones.
#include <cstdint>

namespace sim::soak {

// Heap allocations made so far through the global operator new, by anyone.
uint64_t allocationCount();
// Those made outside the simulated game's answers to native calls: the plug-in's.
uint64_t pluginAllocationCount();
// The process's resident size now, and its peak, in kilobytes.
long residentKilobytes();
long peakResidentKilobytes();

// Under AddressSanitizer freed memory waits in its quarantine (up to 256 MB)
// before reuse, so the resident size grows by design: growth is the plain
// build's measure.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentGrowthMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool residentGrowthMeaningful = false;
#else
constexpr bool residentGrowthMeaningful = true;
#endif
#else
constexpr bool residentGrowthMeaningful = true;
#endif

}  // namespace sim::soak
