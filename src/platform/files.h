#pragma once
// Whole-file primitives. Each call opens the file only
// for as long as it needs, shared with other programs (an editor) that may
// read or write it meanwhile. Paths are UTF-8. The read and the replace are
// one policy for every system (file_replace.cpp) over the system's primitives
// (file_primitives.h).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What a read saw of a file: which file it was (volume and file number, the
// same for every name of a hard-linked file; on Windows the number alone, the
// volume 0) and its state then.
struct FileStamp {
    uint64_t volume = 0;
    uint64_t index = 0;
    uint64_t size = 0;
    uint64_t writeTime = 0;  // a 64-bit file time
    uint32_t links = 0;      // names of the file (hard links)
};
bool operator==(const FileStamp& a, const FileStamp& b);

// A stat of the path succeeds and finds no directory.
bool fileExists(const char* path);
// What a look at the file by its name sees now; false when it is missing (or a directory).
bool fileStamp(const char* path, FileStamp* stamp);
// The whole file into text, its previous content replaced; reuses the string's
// storage, so no allocation once it has held the file. A read counts only
// when it got as many bytes as the file's size and the file was the same, of
// the same size and write time, before and after it: a file that an editor
// truncates, rewrites or replaces meanwhile is read again, a few times, and
// else reported unreadable (false). With stamp, also what the read saw.
bool readWholeFile(const char* path, std::string* text, FileStamp* stamp = nullptr);

enum class ReplaceResult {
    Replaced,
    Changed,  // the file is no longer as read: nothing written; read it again
    Failed,   // missing, read-only, locked, or a write failed: left as it was
};
// The file's content replaced as a whole, by the text of a read of it (its text
// and stamp) changed into content, crash-safely, and only while the file still
// is as read: checked (which file, size, write time, every byte) just before
// the replace, so that a save by another program since the read is never
// overwritten.
//  - A symbolic link is followed: its target is replaced, the link stays.
//  - A file of one name gets a temporary file beside it, flushed to disk, that
//    then takes its place in one rename: a crash leaves the old file or the
//    new one. Its owner and permissions (POSIX), its attributes, creation
//    time and DACL (Windows, as ReplaceFile keeps them) carry over.
//  - A hard-linked file (more than one name) is rewritten in place, so that
//    every name keeps showing the same file. Its old and new texts first go to
//    a journal beside it, flushed to disk; a crash during the rewrite is undone
//    from the journal by recoverInterruptedReplace. A write that fails midway
//    (a full disk) puts the old text back at once.
// A file that is missing, read-only, or that we may not write (an ACE denies
// it, another program locks it) is left untouched: Failed. Left open: an editor that starts its save in the microseconds
// between the last check and the rename (or the rewrite) still loses to ours.
ReplaceResult replaceFileContent(const char* path, std::string_view readText, const FileStamp& readStamp,
                                 std::string_view content);
// The whole read of readWholeFile taken a slice at a time, for a caller that
// must not hold the processor long. Each slice opens the file, reads on from
// where the last one stopped and closes it (an editor can save, also by
// replacing the file, between two slices); the read counts only when every
// slice saw the same file, of the same size and write time, as the first:
// else it fails, and the caller reads again later.
class SlicedFileRead {
public:
    enum class Progress { Reading, Read, Failed };
    // Into text (its storage kept), from the first byte.
    void start(const char* path, std::string* text);
    // At least one byte more (the first slice may read nothing of an empty
    // file), up to sliceBytes, and while more says so, further slices through
    // the same open; Read with stamp filled when the file is whole.
    Progress advance(size_t sliceBytes, FileStamp* stamp = nullptr, const std::function<bool()>& more = nullptr);
    bool running() const { return text_ != nullptr; }
    // Drops a read in progress.
    void stop() { text_ = nullptr; }

private:
    const char* path_ = nullptr;
    std::string* text_ = nullptr;
    FileStamp first_;
    size_t done_ = 0;
    bool begun_ = false;
};

// What recoverInterruptedReplace found of a replace of ours that a crash cut short.
struct ReplaceRecovery {
    int temporaryFilesRemoved = 0;
    bool rewriteUndone = false;  // a half-done rewrite in place: the old text put back
};
// Clears up after replaces of ours that a crash interrupted, for the file at
// path (its target, when it is a link): removes our temporary files beside it,
// and with a journal left beside it puts the old text back if the file holds
// a mix of the old and the new text. A file that holds either text whole, or
// that someone changed since, is left as it is; the journal then goes.
ReplaceRecovery recoverInterruptedReplace(const char* path);
// Appends to the file, creating it when missing; false when nothing was written.
bool appendToFile(const char* path, std::string_view content);
// Renames a file over another; false when it could not be done.
bool renameFile(const char* from, const char* to);
// The file's size in bytes; false when it cannot be told (a missing file).
bool fileSize(const char* path, uint64_t* size);
