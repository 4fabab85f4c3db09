#pragma once
// How long ago a file was last written. An editor's save is a truncation and
// writes that may pause between them; a file written a moment ago may still
// be in the middle of one, and only its age tells.
#include <cstdint>

// The time now, in milliseconds since 1970, on the clock that stamps the
// files' write times: the system's on Windows; on Linux the simulated game's
// (sim/), which runs with its virtual clock.
uint64_t fileClockMilliseconds();
// A file stamp's write time (files.h) in milliseconds since 1970, on the
// clock of fileClockMilliseconds.
uint64_t fileTimeMilliseconds(uint64_t writeTime);
// Milliseconds since the file was last written (0 for a write time ahead of
// the clock); false when the file cannot be looked at.
bool fileAgeMilliseconds(const char* path, uint64_t* age);
