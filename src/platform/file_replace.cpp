// The whole-file read and the crash-safe replace of files.h, the same on every
// system, over the primitives of file_primitives.h.
#include <algorithm>

#include "platform/file_primitives.h"
#include "platform/files.h"
#include "platform/rewrite_journal.h"

namespace {

// A read that keeps meeting a file in the middle of a save gives up after this
// many tries (the caller reads again later).
constexpr int readTries = 3;
// No settings file is this large; a read of one is refused rather than tried.
constexpr uint64_t largestReadableFile = 0x7FFFFFFF;

// The file from its first byte, whole: as many bytes as its size, nothing
// after them, and the same file, size and write time before and after.
bool readFromStart(OsFile file, std::string* text, FileStamp* stamp) {
    FileStamp before, after;
    if (!stampOfOpenFile(file, &before) || before.size >= largestReadableFile || !seekToStart(file)) return false;
    text->resize(static_cast<size_t>(before.size));
    size_t done = 0;
    for (;;) {
        // One byte more than the size asks whether the file grew meanwhile.
        char beyond;
        char* into = done < text->size() ? &(*text)[done] : &beyond;
        size_t wanted = done < text->size() ? text->size() - done : 1;
        long long got = readSome(file, into, wanted);
        if (got < 0) return false;
        if (got == 0) break;
        if (into == &beyond) return false;
        done += static_cast<size_t>(got);
    }
    if (done != text->size() || !stampOfOpenFile(file, &after) || !(before == after)) return false;
    if (stamp) *stamp = after;
    return true;
}

// Without the check a save another program made since our read would be lost.
// The open file is still the one read, with the same stamp and every byte,
// and still the one of its name (no save renamed over it meanwhile).
ReplaceResult checkAsRead(OsFile file, const std::string& path, std::string_view readText, const FileStamp& readStamp) {
    std::string now;
    FileStamp stamp, named;
    bool asRead = readFromStart(file, &now, &stamp) && stamp == readStamp && now == readText &&
                  stampOfPath(path, &named) && named == stamp;
    return asRead ? ReplaceResult::Replaced : ReplaceResult::Changed;
}

// The open file's content made text, from its first byte, and flushed. The
// results of the writes, the new end and the flush are checked; a read back
// would only see the cache.
bool rewrite(OsFile file, std::string_view text) {
    return seekToStart(file) && writeAll(file, text) && endHere(file) &&
           // Without the flush a crash could leave a file that is neither text.
           flushToDisk(file);
}

bool writeJournal(const std::string& path, std::string_view oldText, std::string_view newText) {
    OsFile journal = createJournal(path);
    if (journal == noFile) return false;
    // Without the flush a crash in the rewrite could leave a half-written file
    // and no whole journal to undo it from.
    bool written = writeAll(journal, journalText(oldText, newText)) && flushToDisk(journal);
    written = closeFile(journal) && written;
    // Without it the journal's name might not survive the crash it is for.
    flushFolderOf(path);
    return written;
}

// A hard-linked file keeps its identity: journal first, then the bytes in
// place; a write that fails midway (a full disk) puts the old text back (the
// journal stays for the next start if even that fails).
ReplaceResult rewriteInPlace(const std::string& target, std::string_view readText, const FileStamp& readStamp,
                             std::string_view content) {
    OsFile file = openForRewriting(target);
    if (file == noFile) return ReplaceResult::Failed;
    std::string journalPath = target + rewriteJournalSuffix;
    bool journalNeeded = false;
    ReplaceResult result = ReplaceResult::Failed;
    if (writeJournal(journalPath, readText, content)) {
        // The check comes before the reservation, which counts as a write.
        result = checkAsRead(file, target, readText, readStamp);
        // Without the reservation a full disk would stop the rewrite midway.
        if (result == ReplaceResult::Replaced && !reserveRoom(file, content.size())) result = ReplaceResult::Failed;
        if (result == ReplaceResult::Replaced && !rewrite(file, content)) {
            result = ReplaceResult::Failed;
            journalNeeded = !rewrite(file, readText);
        }
    }
    closeFile(file);
    if (!journalNeeded) removeFile(journalPath);
    flushFolderOf(target);
    return result;
}

// Our temporary files beside the file: its name, our suffix, anything after.
int removeTemporaryFiles(const std::string& target) {
    int removed = 0;
    for (const std::string& leftover : filesStartingWith(target + temporaryFileSuffix)) removed += removeFile(leftover);
    // Without it a crash could bring a removed leftover back.
    if (removed) flushFolderOf(target);
    return removed;
}

// With a whole journal beside the file: a file that holds a mix of the old and
// the new text gets the old one back. False when the journal must stay (the
// file cannot be opened now, or the undo failed: it holds the player's text).
bool undoFromJournal(const std::string& target, std::string_view journal, ReplaceRecovery* recovery) {
    std::string_view oldText, newText;
    if (!readJournal(journal, &oldText, &newText)) return true;
    OsFile file = openForRewriting(target);
    if (file == noFile) return !pathExists(target);
    std::string text;
    bool kept = true;
    if (readFromStart(file, &text, nullptr) && isHalfRewritten(text, oldText, newText)) {
        recovery->rewriteUndone = rewrite(file, oldText);
        kept = recovery->rewriteUndone;
    }
    closeFile(file);
    return kept;
}

}  // namespace

bool operator==(const FileStamp& a, const FileStamp& b) {
    return a.volume == b.volume && a.index == b.index && a.size == b.size && a.writeTime == b.writeTime &&
           a.links == b.links;
}

bool fileStamp(const char* path, FileStamp* stamp) { return stampOfPath(path, stamp); }

bool readWholeFile(const char* path, std::string* text, FileStamp* stamp) {
    for (int attempt = 0; attempt < readTries; ++attempt) {
        OsFile file = openForReading(path);
        if (file == noFile) return false;
        bool complete = readFromStart(file, text, stamp);
        closeFile(file);
        if (complete) return true;
    }
    return false;
}

// A file of one name: a new file beside it, flushed, takes its place in one
// rename, so that a crash leaves the old file or the new one.
ReplaceResult replaceFileContent(const char* path, std::string_view readText, const FileStamp& readStamp,
                                 std::string_view content) {
    std::string target;
    FileStamp now;
    // A file the player protected (read-only, or not ours to write) is never written.
    if (!finalPath(path, &target) || !stampOfPath(target, &now) || !mayWrite(target)) return ReplaceResult::Failed;
    if (!(now == readStamp)) return ReplaceResult::Changed;
    if (now.links > 1) return rewriteInPlace(target, readText, readStamp, content);
    std::string temporaryPath;
    OsFile replacement = createReplacement(target, &temporaryPath);
    if (replacement == noFile) return ReplaceResult::Failed;
    // Without the flush the rename could reach the disk before the new text
    // does, and a crash would leave an empty or partial settings file.
    bool written = writeAll(replacement, content) && flushToDisk(replacement);
    written = closeFile(replacement) && written;
    // Without the check a save another program made since our read would be
    // lost: the file is read whole, after our flush, as read before (every
    // byte and its stamp), and its name still leads to it (no save renamed
    // over it since). A file that cannot be read whole (a save under way) is
    // not as read.
    ReplaceResult result = ReplaceResult::Failed;
    if (written) {
        std::string text;
        FileStamp stamp, named;
        result = readWholeFile(target.c_str(), &text, &stamp) && stamp == readStamp && text == readText &&
                         stampOfPath(target, &named) && named == stamp
                     ? ReplaceResult::Replaced
                     : ReplaceResult::Changed;
    }
    if (result == ReplaceResult::Replaced && !renameOver(temporaryPath, target)) result = ReplaceResult::Failed;
    if (result != ReplaceResult::Replaced) removeFile(temporaryPath);
    // Without it a crash soon after could bring the old name back, or our
    // temporary file (the next start removes it): the old file or the new one.
    flushFolderOf(target);
    return result;
}

void SlicedFileRead::start(const char* path, std::string* text) {
    path_ = path;
    text_ = text;
    done_ = 0;
    begun_ = false;
}

SlicedFileRead::Progress SlicedFileRead::advance(size_t sliceBytes, FileStamp* stamp, const std::function<bool()>& more) {
    if (text_ == nullptr) return Progress::Failed;
    OsFile file = openForReading(path_);
    FileStamp now;
    bool same = file != noFile && stampOfOpenFile(file, &now);
    if (same && !begun_) {
        same = now.size < largestReadableFile;
        first_ = now;
        // Room for the whole file, its pages touched only as the slices fill them.
        text_->clear();
        if (same) text_->reserve(static_cast<size_t>(now.size));
        begun_ = true;
    }
    same = same && now == first_ && seekTo(file, done_);
    const size_t size = static_cast<size_t>(first_.size), slice = std::max<size_t>(sliceBytes, 1);
    for (bool first = true; same && done_ < size && (first || (more && more())); first = false) {
        text_->resize(slice >= size - done_ ? size : done_ + slice);
        while (same && done_ < text_->size()) {
            long long got = readSome(file, &(*text_)[done_], text_->size() - done_);
            same = got > 0;
            if (same) done_ += static_cast<size_t>(got);
        }
    }
    const bool whole = same && done_ == size;
    // One byte more than the size asks whether the file grew meanwhile.
    char beyond;
    if (whole) same = readSome(file, &beyond, 1) == 0;
    same = same && stampOfOpenFile(file, &now) && now == first_;
    if (file != noFile) closeFile(file);
    if (!same || whole) text_ = nullptr;
    if (!same) return Progress::Failed;
    if (!whole) return Progress::Reading;
    if (stamp) *stamp = first_;
    return Progress::Read;
}

ReplaceRecovery recoverInterruptedReplace(const char* path) {
    ReplaceRecovery recovery;
    std::string target;
    if (!finalPath(path, &target)) target = path;  // a missing file: our leftovers beside it still go
    recovery.temporaryFilesRemoved = removeTemporaryFiles(target);
    std::string journalPath = target + rewriteJournalSuffix;
    std::string journal;
    if (!readWholeFile(journalPath.c_str(), &journal) || !undoFromJournal(target, journal, &recovery)) return recovery;
    removeFile(journalPath);
    flushFolderOf(target);
    return recovery;
}
