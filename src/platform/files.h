#pragma once
// Whole-file primitives of the operating system. Each call opens the file only
// for as long as it needs, shared with other programs (an editor) that may
// read or write it meanwhile.
#include <cstdint>
#include <string>
#include <string_view>

// A stat of the path succeeds and finds no directory.
bool fileExists(const char* path);
// The last-write time (a 64-bit file time); false when the file cannot be opened.
bool fileWriteTime(const char* path, uint64_t* writeTime);
// The whole file into text, its previous content replaced; reuses the string's
// storage, so no allocation once it has held the file. With writeTime, also
// the last-write time, through the same open. False when the file cannot be
// read.
bool readWholeFile(const char* path, std::string* text, uint64_t* writeTime = nullptr);
// The file's content replaced as a whole and crash-safely: the new content goes
// to a temporary file beside it, flushed to disk, which then replaces the
// original, so a crash leaves the old or the new file, never a mix; the
// original's permissions (and owner, attributes) carry over. A file that is
// missing, read-only, or that we may not write is left untouched and false
// returned.
bool replaceFileContent(const char* path, std::string_view content);
// Appends to the file, creating it when missing; false when nothing was written.
bool appendToFile(const char* path, std::string_view content);
// Renames a file over another; false when it could not be done.
bool renameFile(const char* from, const char* to);
// The file's size in bytes; false when it cannot be told (a missing file).
bool fileSize(const char* path, uint64_t* size);
