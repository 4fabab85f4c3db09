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

// Nobody may write it; checked on the mode bits, since a process running as
// root could write it anyway and the player's choice must hold regardless.
bool readOnly(const struct stat& status) { return (status.st_mode & 0222) == 0; }

}  // namespace

bool fileExists(const char* path) {
    struct stat status;
    return stat(path, &status) == 0;
}

bool fileWriteTime(const char* path, uint64_t* writeTime) {
    int fd = open(path, O_RDONLY);
    if (fd < 0) return false;
    struct stat status;
    bool known = fstat(fd, &status) == 0;
    close(fd);
    if (known) {
        *writeTime = static_cast<uint64_t>(status.st_mtim.tv_sec) * 1000000000u +
                     static_cast<uint64_t>(status.st_mtim.tv_nsec);
    }
    return known;
}

bool readWholeFile(const char* path, std::string* text) {
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
    }
    close(fd);
    return complete;
}

bool replaceFileContent(const char* path, std::string_view content) {
    struct stat original;
    if (stat(path, &original) != 0 || !S_ISREG(original.st_mode) || readOnly(original)) return false;
    std::string temporaryPath = std::string(path) + ".XXXXXX";
    int fd = mkstemp(&temporaryPath[0]);
    if (fd < 0) return false;
    bool written = writeAll(fd, content) && fchmod(fd, original.st_mode & 07777) == 0 && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporaryPath.c_str(), path) != 0) {
        unlink(temporaryPath.c_str());
        return false;
    }
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
