#pragma once
// Pelorin.log beside the plug-in: one line per event of play (load, settings
// problems, each death or arrest with its phases, the spawn chosen, every
// fall-back and give-up), each with the local time, for a player to read or
// send when something went wrong. Lines collect in a fixed buffer and reach
// the file only when flushed (once a second and at the end of an episode), so
// that logging neither stalls a frame nor allocates.
#include <cstddef>
#include <cstdint>

// The file never grows past this; the full file then becomes Pelorin.log.1.
constexpr uint64_t eventLogMaxBytes = 1024 * 1024;

// Adds one line: the time, then the message formatted as by printf (at most
// 511 characters). A line that does not fit the buffer is counted, and the
// count is logged at the next flush.
void logEvent(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Milliseconds as the log tells them, in seconds.
inline double secondsOf(uint32_t milliseconds) { return milliseconds / 1000.0; }
// Appends the buffered lines to the file and empties the buffer; with
// writeToFile false they are discarded. A file that cannot be written loses
// the lines silently, and the next try waits a second.
void flushEventLog(bool writeToFile);
// The log's path as flushes use it.
const char* eventLogPath();
// Forgets every buffered line and the last failed try, as at library load.
void resetEventLog();
