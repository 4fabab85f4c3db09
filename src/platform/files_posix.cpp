#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/files.h"

namespace {

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

// The rename itself reaches the disk only with its directory.
void flushDirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

bool fileExists(const char* path) {
    struct stat status;
    return stat(path, &status) == 0 && !S_ISDIR(status.st_mode);
}

bool fileWriteTime(const char* path, uint64_t* writeTime) {
    int fd = open(path, O_RDONLY);
    if (fd < 0) return false;
    struct stat status;
    bool known = fstat(fd, &status) == 0;
    close(fd);
    if (known) *writeTime = writeTimeOf(status);
    return known;
}

bool readWholeFile(const char* path, std::string* text, uint64_t* writeTime) {
    int fd = open(path, O_RDONLY);
    if (fd < 0) return false;
    struct stat status;
    bool complete = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (complete) {
        text->resize(static_cast<size_t>(status.st_size));
        size_t done = 0;
        while (done < text->size()) {
            ssize_t n = read(fd, &(*text)[done], text->size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) complete = false;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        text->resize(done);
        if (writeTime) *writeTime = writeTimeOf(status);
    }
    close(fd);
    return complete;
}

bool replaceFileContent(const char* path, std::string_view content) {
    struct stat original;
    if (stat(path, &original) != 0 || !S_ISREG(original.st_mode) || mayNotWrite(path, original)) return false;
    std::string temporaryPath = std::string(path) + ".XXXXXX";
    int fd = mkstemp(&temporaryPath[0]);
    if (fd < 0) return false;
    // A file whose owner cannot be kept is not replaced by one of ours.
    bool written = writeAll(fd, content) && fchown(fd, original.st_uid, original.st_gid) == 0 &&
                   fchmod(fd, original.st_mode & 07777) == 0 && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporaryPath.c_str(), path) != 0) {
        unlink(temporaryPath.c_str());
        return false;
    }
    flushDirectoryOf(path);
    return true;
}

bool appendToFile(const char* path, std::string_view content) {
    int fd = open(path, O_WRONLY | O_CREAT | O_APPEND, 0644);
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
