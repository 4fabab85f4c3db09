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

}  // namespace sim::soak
