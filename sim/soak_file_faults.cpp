#include "sim/soak_file_faults.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>

namespace sim::soak {
namespace {

SaveDuringRead armed;
int strikesLeft = 0;
bool savePending = false;

ssize_t systemRead(int fd, void* buffer, size_t count) { return syscall(SYS_read, fd, buffer, count); }

// The descriptor is open on the armed file, at its first byte (a whole read begins).
bool readStartsOnArmedFile(int fd) {
    struct stat opened, named;
    return fstat(fd, &opened) == 0 && stat(armed.path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino && lseek(fd, 0, SEEK_CUR) == 0;
}

void writeWhole(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
}

// Truncates the file, and writes the text unless that is to come later.
void truncateAndWrite(bool withText) {
    int fd = open(armed.path.c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0) return;
    if (withText) writeWhole(fd, armed.text);
    close(fd);
}

void saveNow() {
    if (armed.style == SaveStyle::TruncateFirst) {
        truncateAndWrite(false);
        savePending = true;
        if (armed.struck) armed.struck("");
        return;
    }
    if (armed.style == SaveStyle::TruncateAndRewrite) {
        truncateAndWrite(true);
    } else {
        std::string fresh = armed.path + ".editor-save";
        int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return;
        writeWhole(fd, armed.text);
        close(fd);
        std::rename(fresh.c_str(), armed.path.c_str());
    }
    if (armed.struck) armed.struck(armed.text);
}

}  // namespace

void armSaveDuringRead(SaveDuringRead fault) {
    armed = std::move(fault);
    strikesLeft = armed.strikes;
}

int saveDuringReadStrikesLeft() { return strikesLeft; }

void disarmSaveDuringRead() {
    strikesLeft = 0;
    savePending = false;
}

bool finishPendingSave() {
    if (!savePending) return false;
    savePending = false;
    int fd = open(armed.path.c_str(), O_WRONLY);
    if (fd < 0) return false;
    writeWhole(fd, armed.text);
    close(fd);
    if (armed.struck) armed.struck(armed.text);
    return true;
}

FullDisk::FullDisk(size_t limitBytes) {
    getrlimit(RLIMIT_FSIZE, &before_);
    signalBefore_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = before_;
    full.rlim_cur = static_cast<rlim_t>(limitBytes);
    setrlimit(RLIMIT_FSIZE, &full);
}

FullDisk::~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, signalBefore_);
}

}  // namespace sim::soak

// Every read() of the process comes here. An armed save strikes a read of the
// file that starts at its first byte: that read returns the first bytes of
// the old file, and the editor's save lands before the next.
extern "C" ssize_t read(int fd, void* buffer, size_t count) {
    using namespace sim::soak;
    if (strikesLeft == 0 || !readStartsOnArmedFile(fd)) return systemRead(fd, buffer, count);
    if (armed.readsToSkip > 0) {
        --armed.readsToSkip;
        return systemRead(fd, buffer, count);
    }
    ssize_t n = systemRead(fd, buffer, std::min(count, armed.afterBytes));
    --strikesLeft;
    saveNow();
    return n;
}
