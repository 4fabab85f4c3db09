#include "platform/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "settings/profile_text.h"

const char* const settingsFilePath = "./Pelorin.ini";

namespace {

bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool settingsFileExists() {
    struct stat status;
    return stat(settingsFilePath, &status) == 0;
}

bool readSettingsFileWriteTime(uint64_t* writeTime) {
    int fd = open(settingsFilePath, O_RDONLY);
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

bool readSettingsFileText(std::string* text) {
    int fd = open(settingsFilePath, O_RDONLY);
    if (fd < 0) return false;
    struct stat status;
    bool complete = fstat(fd, &status) == 0;
    if (complete) {
        // Reuses the string's storage: no allocation once it has held the file.
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

// The file is replaced as a whole: the new text goes to a temporary file in the
// same directory, which is then renamed over the original, so that a crash
// leaves either the old or the new file, never a half-written one.
bool writeSettingsValue(const char* section, const char* key, const char* value) {
    std::string text;
    struct stat original;
    if (!readSettingsFileText(&text) || stat(settingsFilePath, &original) != 0) return false;
    std::string updated = withProfileValue(text, section, key, value);
    char temporaryPath[] = "./Pelorin.ini.XXXXXX";
    int fd = mkstemp(temporaryPath);
    if (fd < 0) return false;
    bool written = writeAll(fd, updated) && fchmod(fd, original.st_mode & 07777) == 0 && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporaryPath, settingsFilePath) != 0) {
        unlink(temporaryPath);
        return false;
    }
    return true;
}
