#pragma once
// Faults of the settings file as the player's machine causes them, for the
// soak and the tests (Linux only): an editor's save that lands in the middle
// of one of the plug-in's reads of the file, and a full disk. Both act on the
// real file system; the save strikes from inside the process's read(), which
// this library takes over (every other read passes straight through).
#include <sys/resource.h>

#include <cstddef>
#include <functional>
#include <string>

namespace sim::soak {

// How an editor saves: by truncating the file and writing it again (the
// whole save within the struck read, or only the truncation, the text coming
// when finishPendingSave is called), or by writing a new file and renaming it
// over the old one.
enum class SaveStyle { TruncateAndRewrite, TruncateFirst, WriteAndRename };

struct SaveDuringRead {
    std::string path;          // the file whose reads are struck
    SaveStyle style = SaveStyle::TruncateAndRewrite;
    std::string text;          // what the editor saves
    size_t afterBytes = 40;    // the read returns this much of the old file, then the save lands
    int readsToSkip = 0;       // whole reads of the file (from its first byte) that pass first
    int strikes = 1;           // how many reads are struck, one after the other
    // Told what the file holds after the save (after a TruncateFirst strike,
    // nothing; the text when the save is finished). A strike comes from
    // inside the plug-in's read: what it does counts as the plug-in's work.
    std::function<void(const std::string& file)> struck;
};
// Arms the fault for the next reads of the file; replaces one still armed.
void armSaveDuringRead(SaveDuringRead fault);
// Strikes still to come (0 when none is armed).
int saveDuringReadStrikesLeft();
void disarmSaveDuringRead();
// Writes the text of a TruncateFirst save that struck; false when none waits.
bool finishPendingSave();

// While it lives, the disk is full for this process's writes: a write that
// would make a file longer than limitBytes fails partway, as a full disk makes
// it fail. Assumption: a failed write because the process's file size limit
// (RLIMIT_FSIZE) is reached looks to the plug-in as one on a full disk (both
// are a short write, then an error).
class FullDisk {
public:
    explicit FullDisk(size_t limitBytes);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit before_{};
    void (*signalBefore_)(int) = nullptr;
};

}  // namespace sim::soak
