#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/files.h"
#include "platform/rewrite_journal.h"

namespace {

// A read that keeps meeting a file in the middle of a save gives up after this
// many tries (the caller reads again later).
constexpr int readTries = 3;

bool writeAll(int fd, std::string_view text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Nobody may write it by its mode bits, or we may not: the bits are checked
// on their own, since a process running as root passes every access test and
// the player's read-only choice must hold regardless.
bool mayNotWrite(const char* path, const struct stat& status) {
    return (status.st_mode & 0222) == 0 || access(path, W_OK) != 0;
}

uint64_t writeTimeOf(const struct stat& status) {
    return static_cast<uint64_t>(status.st_mtim.tv_sec) * 1000000000u + static_cast<uint64_t>(status.st_mtim.tv_nsec);
}

FileStamp stampOf(const struct stat& status) {
    return FileStamp{static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino),
                     static_cast<uint64_t>(status.st_size), writeTimeOf(status), static_cast<uint32_t>(status.st_nlink)};
}

std::string directoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A rename or an unlink reaches the disk only with its directory.
void flushDirectoryOf(const std::string& path) {
    int fd = open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// The file from its first byte, whole: as many bytes as its size, nothing
// after them, and the same file, size and write time before and after.
bool readFromStart(int fd, std::string* text, FileStamp* stamp) {
    struct stat before, after;
    if (fstat(fd, &before) != 0 || !S_ISREG(before.st_mode) || lseek(fd, 0, SEEK_SET) != 0) return false;
    text->resize(static_cast<size_t>(before.st_size));
    size_t done = 0;
    for (;;) {
        // One byte more than the size asks whether the file grew meanwhile.
        char beyond;
        char* into = done < text->size() ? &(*text)[done] : &beyond;
        size_t wanted = done < text->size() ? text->size() - done : 1;
        ssize_t n = read(fd, into, wanted);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        if (into == &beyond) return false;
        done += static_cast<size_t>(n);
    }
    if (done != text->size() || fstat(fd, &after) != 0 || !(stampOf(before) == stampOf(after))) return false;
    if (stamp) *stamp = stampOf(after);
    return true;
}

// Follows every symbolic link of the path to the file itself.
bool resolveLinks(const char* path, std::string* target) {
    char* resolved = realpath(path, nullptr);
    if (!resolved) return false;
    *target = resolved;
    std::free(resolved);
    return true;
}

enum class Check { AsRead, Changed, Gone };

// The file open at fd is still the one read, with the same stamp and every
// byte, and still the one of its name (no save renamed over it meanwhile).
Check checkAsRead(int fd, const std::string& path, std::string_view readText, const FileStamp& readStamp) {
    std::string now;
    FileStamp stamp;
    struct stat named;
    bool asRead = readFromStart(fd, &now, &stamp) && stamp == readStamp && now == readText &&
                  stat(path.c_str(), &named) == 0 && stampOf(named) == stamp;
    return asRead ? Check::AsRead : Check::Changed;
}

Check checkAsRead(const std::string& path, std::string_view readText, const FileStamp& readStamp) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Check::Gone;
    Check check = checkAsRead(fd, path, readText, readStamp);
    close(fd);
    return check;
}

ReplaceResult resultOf(Check check) {
    return check == Check::AsRead ? ReplaceResult::Replaced
           : check == Check::Changed ? ReplaceResult::Changed
                                     : ReplaceResult::Failed;
}

ReplaceResult replaceByRename(const std::string& target, const struct stat& original, std::string_view readText,
                              const FileStamp& readStamp, std::string_view content) {
    std::string temporaryPath = target + temporaryFileSuffix + "-XXXXXX";
    int fd = mkstemp(&temporaryPath[0]);
    if (fd < 0) return ReplaceResult::Failed;
    // A file whose owner cannot be kept is not replaced by one of ours.
    bool written = writeAll(fd, content) && fchown(fd, original.st_uid, original.st_gid) == 0 &&
                   fchmod(fd, original.st_mode & 07777) == 0 && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    ReplaceResult result = written ? resultOf(checkAsRead(target, readText, readStamp)) : ReplaceResult::Failed;
    if (result == ReplaceResult::Replaced && std::rename(temporaryPath.c_str(), target.c_str()) != 0)
        result = ReplaceResult::Failed;
    if (result != ReplaceResult::Replaced) unlink(temporaryPath.c_str());
    flushDirectoryOf(target);
    return result;
}

bool writeJournal(const std::string& path, std::string_view oldText, std::string_view newText) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool written = writeAll(fd, journalText(oldText, newText)) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    flushDirectoryOf(path);
    return written;
}

// The open file's content made text, from its first byte, and flushed. The
// results of the writes, the truncation and the flush are checked; a read
// back would only see the cache.
bool rewrite(int fd, std::string_view text) {
    return lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, text) && ftruncate(fd, static_cast<off_t>(text.size())) == 0 &&
           fsync(fd) == 0;
}

// Disk space for the new text, taken before a byte of the file changes, so
// that a full disk fails here; where the file system cannot reserve it, a write
// that fails midway is undone instead.
bool reserveRoom(int fd, size_t size) {
    if (size == 0 || fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return true;
    return errno == EOPNOTSUPP || errno == ENOSYS;
}

// A hard-linked file keeps its identity: journal first, then the bytes in
// place; a write that fails midway puts the old text back (the journal stays
// for the next start if even that fails).
ReplaceResult rewriteInPlace(const std::string& target, std::string_view readText, const FileStamp& readStamp,
                             std::string_view content) {
    int fd = open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return ReplaceResult::Failed;
    std::string journalPath = target + rewriteJournalSuffix;
    bool journalNeeded = false;
    ReplaceResult result = ReplaceResult::Failed;
    if (writeJournal(journalPath, readText, content)) {
        // The check comes before the reservation, which counts as a write.
        result = resultOf(checkAsRead(fd, target, readText, readStamp));
        if (result == ReplaceResult::Replaced && !reserveRoom(fd, content.size())) result = ReplaceResult::Failed;
        if (result == ReplaceResult::Replaced && !rewrite(fd, content)) {
            result = ReplaceResult::Failed;
            journalNeeded = !rewrite(fd, readText);
        }
    }
    close(fd);
    if (!journalNeeded) unlink(journalPath.c_str());
    flushDirectoryOf(target);
    return result;
}

// Our temporary files beside the file: its name, our suffix, anything after.
int removeTemporaryFiles(const std::string& target) {
    std::string directory = directoryOf(target);
    size_t slash = target.rfind('/');
    std::string prefix = (slash == std::string::npos ? target : target.substr(slash + 1)) + temporaryFileSuffix;
    DIR* listing = opendir(directory.c_str());
    if (!listing) return 0;
    int removed = 0;
    while (dirent* entry = readdir(listing)) {
        std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) == 0 && unlink((directory + "/" + name).c_str()) == 0) ++removed;
    }
    closedir(listing);
    if (removed) flushDirectoryOf(target);
    return removed;
}

}  // namespace

bool operator==(const FileStamp& a, const FileStamp& b) {
    return a.volume == b.volume && a.index == b.index && a.size == b.size && a.writeTime == b.writeTime &&
           a.links == b.links;
}

bool fileExists(const char* path) {
    struct stat status;
    return stat(path, &status) == 0 && !S_ISDIR(status.st_mode);
}

bool fileWriteTime(const char* path, uint64_t* writeTime) {
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat status;
    bool known = fstat(fd, &status) == 0;
    close(fd);
    if (known) *writeTime = writeTimeOf(status);
    return known;
}

bool readWholeFile(const char* path, std::string* text, FileStamp* stamp) {
    for (int attempt = 0; attempt < readTries; ++attempt) {
        int fd = open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        bool complete = readFromStart(fd, text, stamp);
        close(fd);
        if (complete) return true;
    }
    return false;
}

ReplaceResult replaceFileContent(const char* path, std::string_view readText, const FileStamp& readStamp,
                                 std::string_view content) {
    std::string target;
    struct stat status;
    if (!resolveLinks(path, &target) || stat(target.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        mayNotWrite(target.c_str(), status))
        return ReplaceResult::Failed;
    if (status.st_nlink > 1) return rewriteInPlace(target, readText, readStamp, content);
    return replaceByRename(target, status, readText, readStamp, content);
}

ReplaceRecovery recoverInterruptedReplace(const char* path) {
    ReplaceRecovery recovery;
    std::string target;
    if (!resolveLinks(path, &target)) target = path;
    recovery.temporaryFilesRemoved = removeTemporaryFiles(target);
    std::string journalPath = target + rewriteJournalSuffix;
    std::string journal;
    if (!readWholeFile(journalPath.c_str(), &journal)) return recovery;
    std::string_view oldText, newText;
    if (readJournal(journal, &oldText, &newText)) {
        int fd = open(target.c_str(), O_RDWR | O_CLOEXEC);
        // A file there that cannot be opened now keeps its journal for a later start.
        if (fd < 0 && access(target.c_str(), F_OK) == 0) return recovery;
        std::string file;
        if (fd >= 0 && readFromStart(fd, &file, nullptr) && isHalfRewritten(file, oldText, newText)) {
            recovery.rewriteUndone = rewrite(fd, oldText);
            if (!recovery.rewriteUndone) {
                close(fd);
                return recovery;  // the journal stays: it holds the player's text
            }
        }
        if (fd >= 0) close(fd);
    }
    unlink(journalPath.c_str());
    flushDirectoryOf(target);
    return recovery;
}

bool appendToFile(const char* path, std::string_view content) {
    int fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool written = writeAll(fd, content);
    return close(fd) == 0 && written;
}

bool renameFile(const char* from, const char* to) { return std::rename(from, to) == 0; }

bool fileSize(const char* path, uint64_t* size) {
    struct stat status;
    if (stat(path, &status) != 0) return false;
    *size = static_cast<uint64_t>(status.st_size);
    return true;
}
