#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/file_primitives.h"
#include "platform/files.h"
#include "platform/rewrite_journal.h"

namespace {

int fdOf(OsFile file) { return static_cast<int>(file); }

uint64_t writeTimeOf(const struct stat& status) {
    return static_cast<uint64_t>(status.st_mtim.tv_sec) * 1000000000u + static_cast<uint64_t>(status.st_mtim.tv_nsec);
}

bool stampOf(const struct stat& status, FileStamp* stamp) {
    if (!S_ISREG(status.st_mode)) return false;
    *stamp = FileStamp{static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino),
                       static_cast<uint64_t>(status.st_size), writeTimeOf(status),
                       static_cast<uint32_t>(status.st_nlink)};
    return true;
}

std::string directoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

OsFile openForReading(const char* path) { return open(path, O_RDONLY | O_CLOEXEC); }

OsFile openForRewriting(const std::string& path) { return open(path.c_str(), O_RDWR | O_CLOEXEC); }

OsFile createJournal(const std::string& path) {
    return open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
}

OsFile createReplacement(const std::string& target, std::string* temporaryPath) {
    struct stat original;
    if (stat(target.c_str(), &original) != 0) return noFile;
    *temporaryPath = target + temporaryFileSuffix + "-XXXXXX";
    int fd = mkostemp(&(*temporaryPath)[0], O_CLOEXEC);
    if (fd < 0) return noFile;
    // A file whose owner cannot be kept is not replaced by one of ours.
    if (fchown(fd, original.st_uid, original.st_gid) != 0 || fchmod(fd, original.st_mode & 07777) != 0) {
        close(fd);
        unlink(temporaryPath->c_str());
        return noFile;
    }
    return fd;
}

bool closeFile(OsFile file) { return close(fdOf(file)) == 0; }

bool stampOfOpenFile(OsFile file, FileStamp* stamp) {
    struct stat status;
    return fstat(fdOf(file), &status) == 0 && stampOf(status, stamp);
}

bool stampOfPath(const std::string& path, FileStamp* stamp) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && stampOf(status, stamp);
}

bool seekToStart(OsFile file) { return seekTo(file, 0); }

bool seekTo(OsFile file, uint64_t offset) {
    return lseek(fdOf(file), static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
}

long long readSome(OsFile file, char* buffer, size_t size) {
    for (;;) {
        ssize_t n = read(fdOf(file), buffer, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}

bool writeAll(OsFile file, std::string_view content) {
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = write(fdOf(file), content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool endHere(OsFile file) {
    off_t here = lseek(fdOf(file), 0, SEEK_CUR);
    return here >= 0 && ftruncate(fdOf(file), here) == 0;
}

bool flushToDisk(OsFile file) { return fsync(fdOf(file)) == 0; }

bool reserveRoom(OsFile file, size_t size) {
    if (size == 0 || fallocate(fdOf(file), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return true;
    return errno == EOPNOTSUPP || errno == ENOSYS;
}

bool finalPath(const char* path, std::string* target) {
    char* resolved = realpath(path, nullptr);
    if (!resolved) return false;
    *target = resolved;
    std::free(resolved);
    return true;
}

// The mode bits are checked on their own, since a process running as root
// passes every access test and the player's read-only choice must hold regardless.
bool mayWrite(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

bool renameOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool removeFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool pathExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

std::vector<std::string> filesStartingWith(const std::string& prefix) {
    std::vector<std::string> found;
    std::string directory = directoryOf(prefix);
    size_t slash = prefix.rfind('/');
    std::string namePrefix = slash == std::string::npos ? prefix : prefix.substr(slash + 1);
    DIR* listing = opendir(directory.c_str());
    if (!listing) return found;
    while (dirent* entry = readdir(listing)) {
        std::string name = entry->d_name;
        if (name.compare(0, namePrefix.size(), namePrefix) == 0) found.push_back(directory + "/" + name);
    }
    closedir(listing);
    return found;
}

void flushFolderOf(const std::string& path) {
    int fd = open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

bool fileExists(const char* path) {
    struct stat status;
    return stat(path, &status) == 0 && !S_ISDIR(status.st_mode);
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
