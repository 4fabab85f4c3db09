#pragma once
// The operating system's part of the whole-file read and the crash-safe
// replace of files.h: a few primitives over an open file, one file of them
// per system (files_posix.cpp, files_win32.cpp). What is read, checked,
// written and undone, and in which order, is decided once, in
// file_replace.cpp. Paths are UTF-8; Windows takes them through its wide
// functions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

// An open file (a descriptor, a HANDLE); noFile when an open failed.
using OsFile = intptr_t;
constexpr OsFile noFile = -1;

// Opened to be read, shared with every other use, so that an editor can save
// (also by replacing the file) while we read.
OsFile openForReading(const char* path);
// Opened to be read and rewritten in place; on Windows no other program may
// write it meanwhile, and one that has it open for writing makes this fail.
OsFile openForRewriting(const std::string& path);
// A journal file, created or emptied, that only we write.
OsFile createJournal(const std::string& path);
// A new file beside target that is to take its place: a name of our
// temporary suffix, with the target's owner and permissions (POSIX) or its
// attributes, creation time and security descriptor (Windows), as Windows'
// own ReplaceFile keeps them (on Windows written through to the disk by each write).
// noFile when they cannot be carried over.
OsFile createReplacement(const std::string& target, std::string* temporaryPath);
bool closeFile(OsFile file);

// Which file is open and its state; false for anything but a regular file.
bool stampOfOpenFile(OsFile file, FileStamp* stamp);
// The same for the file a name leads to now.
bool stampOfPath(const std::string& path, FileStamp* stamp);
bool seekToStart(OsFile file);
bool seekTo(OsFile file, uint64_t offset);
// Up to size bytes from the current position: how many, 0 at the end, -1 on an error.
long long readSome(OsFile file, char* buffer, size_t size);
bool writeAll(OsFile file, std::string_view content);
// The file ends at the current position.
bool endHere(OsFile file);
// Everything written to the file is on the disk when this returns true.
bool flushToDisk(OsFile file);
// Disk room for size bytes taken without changing the file, so that a full
// disk fails here; true where the file system cannot reserve it.
bool reserveRoom(OsFile file, size_t size);

// The file itself behind every symbolic link (and junction) of the path.
bool finalPath(const char* path, std::string* target);
// The player left the file writable for us: no read-only attribute or mode,
// and the system grants us to write it (no ACE denies it, nobody locks it).
bool mayWrite(const std::string& path);
// from takes the name to, in one rename that leaves one or the other.
bool renameOver(const std::string& from, const std::string& to);
bool removeFile(const std::string& path);
// Something of that name exists (it may not be openable).
bool pathExists(const std::string& path);
// Every file of the folder whose name begins with the name part of prefix (a path).
std::vector<std::string> filesStartingWith(const std::string& prefix);
// The renames and removals in the path's folder are on the disk (POSIX; Windows
// renames with write-through and has nothing to do here).
void flushFolderOf(const std::string& path);
