#include "sim/soak_file_faults.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace sim::soak {
namespace {

SaveDuringRead armed;
int strikesLeft = 0;
int pendingSave = -1;  // the descriptor of a TruncateFirst save that has yet to write

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

// The editor is another program: a full disk of the plug-in's (FullDisk) does
// not cut its writes short.
class OutsideFullDisk {
public:
    OutsideFullDisk() {
        getrlimit(RLIMIT_FSIZE, &limit_);
        rlimit open = limit_;
        open.rlim_cur = open.rlim_max;
        setrlimit(RLIMIT_FSIZE, &open);
    }
    ~OutsideFullDisk() { setrlimit(RLIMIT_FSIZE, &limit_); }

private:
    rlimit limit_{};
};

void saveNow() {
    OutsideFullDisk editor;
    if (armed.style != SaveStyle::WriteAndRename) {
        int fd = open(armed.path.c_str(), O_WRONLY | O_TRUNC);
        if (fd < 0) return;
        if (armed.style == SaveStyle::TruncateFirst) {
            // The editor keeps the file open and writes its text later,
            // into the file it opened, whatever has become of its name.
            pendingSave = fd;
            if (armed.struck) armed.struck("");
            return;
        }
        writeWhole(fd, armed.text);
        close(fd);
    } else {
        // A renaming editor saves beside the file the name leads to at the
        // moment of the save: the player may have made it a symbolic link
        // since the fault was armed, and the link stays his.
        char resolved[PATH_MAX];
        if (!realpath(armed.path.c_str(), resolved)) return;
        std::string target = resolved, beside = target + ".editor-save";
        int fd = open(beside.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return;
        writeWhole(fd, armed.text);
        close(fd);
        std::rename(beside.c_str(), target.c_str());
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
    if (pendingSave >= 0) close(pendingSave);
    pendingSave = -1;
}

bool finishPendingSave() {
    if (pendingSave < 0) return false;
    OutsideFullDisk editor;
    writeWhole(pendingSave, armed.text);
    close(pendingSave);
    pendingSave = -1;
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
