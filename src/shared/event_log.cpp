#include "shared/event_log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/module_directory.h"
#include "platform/ticks.h"

namespace {

constexpr size_t bufferBytes = 16 * 1024;
// Kept free of ordinary lines for the line that counts the lost ones.
constexpr size_t lostLinesNoteBytes = 96;
constexpr size_t maxMessageBytes = 512;
// A folder path of MAX_PATH UTF-16 units as UTF-8 (up to 3 bytes each), and the name.
constexpr size_t maxPathBytes = 3 * 260 + 16;
constexpr uint32_t retryDelayMilliseconds = 1000;

char buffer[bufferBytes];
size_t bufferLength = 0;
uint32_t droppedLines = 0;
bool failedTryRecent = false;
uint32_t lastFailedTry = 0;

char logPath[maxPathBytes];
char rotatedLogPath[maxPathBytes];

// Appends text when it fits whole within the limit; false otherwise.
bool append(const char* text, size_t length, size_t limit) {
    if (bufferLength > limit || length > limit - bufferLength) return false;
    std::memcpy(buffer + bufferLength, text, length);
    bufferLength += length;
    return true;
}

// "2026-12-08 06:10:42 " in local time; empty when the clock cannot be read.
size_t formatTimestamp(char* out, size_t size) {
    std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local ? std::strftime(out, size, "%Y-%m-%d %H:%M:%S ", local) : 0;
}

void makePaths() {
    if (logPath[0] != '\0') return;
    char directory[maxPathBytes - 16];
    pluginModuleDirectory(directory, sizeof directory);
    std::snprintf(logPath, sizeof logPath, "%sPelorin.log", directory);
    std::snprintf(rotatedLogPath, sizeof rotatedLogPath, "%sPelorin.log.1", directory);
}

void discardBuffer() {
    bufferLength = 0;
    droppedLines = 0;
}

// The lines that found the buffer full, told as one line of their own.
void noteDroppedLines() {
    if (droppedLines == 0) return;
    char line[lostLinesNoteBytes];
    size_t length = formatTimestamp(line, sizeof line);
    int n = std::snprintf(line + length, sizeof line - length, "%lu lines lost: the log buffer was full\r\n",
                          static_cast<unsigned long>(droppedLines));
    if (n > 0 && static_cast<size_t>(n) < sizeof line - length)
        append(line, length + static_cast<size_t>(n), bufferBytes);
}

// Makes room so that the file stays within its bound: a file that would grow
// past it becomes the previous log.
bool rotateIfFull(size_t adding) {
    uint64_t size = 0;
    if (!fileSize(logPath, &size) || size + adding <= eventLogMaxBytes) return true;
    return renameFile(logPath, rotatedLogPath);
}

}  // namespace

void logEvent(const char* format, ...) {
    char line[maxMessageBytes + 32];
    size_t length = formatTimestamp(line, sizeof line);
    va_list arguments;
    va_start(arguments, format);
    int n = std::vsnprintf(line + length, maxMessageBytes, format, arguments);
    va_end(arguments);
    if (n < 0) return;
    length += static_cast<size_t>(n) < maxMessageBytes ? static_cast<size_t>(n) : maxMessageBytes - 1;
    line[length++] = '\r';
    line[length++] = '\n';
    if (!append(line, length, bufferBytes - lostLinesNoteBytes)) ++droppedLines;
}

void flushEventLog(bool writeToFile) {
    if (bufferLength == 0 && droppedLines == 0) return;
    uint32_t now = tickCount();
    if (!writeToFile || (failedTryRecent && ticksSince(lastFailedTry, now) < retryDelayMilliseconds)) {
        discardBuffer();
        return;
    }
    noteDroppedLines();
    makePaths();
    failedTryRecent = !(rotateIfFull(bufferLength) && appendToFile(logPath, {buffer, bufferLength}));
    if (failedTryRecent) lastFailedTry = now;
    discardBuffer();
}

const char* eventLogPath() {
    makePaths();
    return logPath;
}

void resetEventLog() {
    discardBuffer();
    failedTryRecent = false;
    lastFailedTry = 0;
    logPath[0] = '\0';
    rotatedLogPath[0] = '\0';
}
