#pragma once
// Heap allocations made through the global operator new so far, by anyone in
// the process (the plug-in and the simulated game alike); counted by the
// benchmarks' own operator new.
extern unsigned long long allocationCount;
