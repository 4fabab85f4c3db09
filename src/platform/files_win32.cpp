#include <windows.h>

#include <vector>

#include "platform/files.h"
#include "platform/rewrite_journal.h"

namespace {

// A read that keeps meeting a file in the middle of a save gives up after this
// many tries (the caller reads again later).
constexpr int readTries = 3;
constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A path in the system's own (UTF-16) form, ending in a NUL. (Not a
// std::wstring, whose code would grow Pelorin.asi by a sixth.)
struct WidePath {
    std::vector<wchar_t> characters{L'\0'};
    const wchar_t* c_str() const { return characters.data(); }
    size_t length() const { return characters.size() - 1; }
    // The path with an ASCII ending added.
    WidePath operator+(const char* ending) const {
        WidePath longer = *this;
        longer.characters.pop_back();
        while (*ending) longer.characters.push_back(static_cast<wchar_t>(*ending++));
        longer.characters.push_back(L'\0');
        return longer;
    }
};

// Shared with every other use, so that an editor can save (also by replacing
// the file) while we read.
HANDLE openForSharedReading(const char* path) {
    return CreateFileA(path, GENERIC_READ, shareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE openForSharedReading(const WidePath& path) {
    return CreateFileW(path.c_str(), GENERIC_READ, shareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

uint64_t fileTimeValue(const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool writeAll(HANDLE file, std::string_view content) {
    size_t done = 0;
    while (done < content.size()) {
        DWORD chunk = static_cast<DWORD>(content.size() - done > 0x40000000 ? 0x40000000 : content.size() - done);
        DWORD written = 0;
        if (!WriteFile(file, content.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// Which file is open (volume serial and file index, shared by all its hard
// links), its size, write time and number of names; false for a directory.
bool stampOf(HANDLE file, FileStamp* stamp) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    *stamp = FileStamp{info.dwVolumeSerialNumber, (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                       (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
                       fileTimeValue(info.ftLastWriteTime), info.nNumberOfLinks};
    return true;
}

bool stampOfPath(const WidePath& path, FileStamp* stamp) {
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool known = stampOf(file, stamp);
    CloseHandle(file);
    return known;
}

// The file from its first byte, whole: as many bytes as its size, nothing
// after them, and the same file, size and write time before and after.
bool readFromStart(HANDLE file, std::string* text, FileStamp* stamp) {
    FileStamp before, after;
    LARGE_INTEGER start{};
    if (!stampOf(file, &before) || before.size >= 0x7FFFFFFF || !SetFilePointerEx(file, start, nullptr, FILE_BEGIN))
        return false;
    text->resize(static_cast<size_t>(before.size));
    size_t done = 0;
    for (;;) {
        // One byte more than the size asks whether the file grew meanwhile.
        char beyond;
        char* into = done < text->size() ? &(*text)[done] : &beyond;
        DWORD wanted = static_cast<DWORD>(done < text->size() ? text->size() - done : 1);
        DWORD got = 0;
        if (!ReadFile(file, into, wanted, &got, nullptr)) return false;
        if (got == 0) break;
        if (into == &beyond) return false;
        done += got;
    }
    if (done != text->size() || !stampOf(file, &after) || !(before == after)) return false;
    if (stamp) *stamp = after;
    return true;
}

// The file itself behind every symbolic link and junction of the path, as the
// system names it ("\\?\C:\...").
bool resolveLinks(const char* path, WidePath* target) {
    HANDLE file = CreateFileA(path, FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // The first call tells the room needed (with the NUL), the second fills it
    // and tells the length (without).
    DWORD room = GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    target->characters.resize(room + 1);
    DWORD length = room == 0 ? 0 : GetFinalPathNameByHandleW(file, target->characters.data(), room,
                                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= room) return false;
    target->characters.resize(length + 1);
    return true;
}

enum class Check { AsRead, Changed, Gone };

// The open file is still the one read, with the same stamp and every byte,
// and still the one of its name (no save moved over it meanwhile).
Check checkAsRead(HANDLE file, const WidePath& path, std::string_view readText, const FileStamp& readStamp) {
    std::string now;
    FileStamp stamp, named;
    bool asRead = readFromStart(file, &now, &stamp) && stamp == readStamp && now == readText &&
                  stampOfPath(path, &named) && named == stamp;
    return asRead ? Check::AsRead : Check::Changed;
}

ReplaceResult resultOf(Check check) {
    return check == Check::AsRead ? ReplaceResult::Replaced
           : check == Check::Changed ? ReplaceResult::Changed
                                     : ReplaceResult::Failed;
}

// The temporary file gets the original's attributes and is written through to
// disk, then moved over the original with write-through, which Windows
// performs as one rename: the old file or the new one, whatever happens.
// (ReplaceFile would also carry over the security settings, but some of its
// failures leave the settings file under the temporary name.) A file that is
// locked by another program makes the move fail and stays as it was.
ReplaceResult replaceByMove(const WidePath& target, DWORD attributes, std::string_view readText,
                            const FileStamp& readStamp, std::string_view content) {
    WidePath temporaryPath = target + temporaryFileSuffix;
    DeleteFileW(temporaryPath.c_str());  // left by a crash, perhaps with other attributes
    DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                               FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    HANDLE file = CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              (kept ? kept : FILE_ATTRIBUTE_NORMAL) | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ReplaceResult::Failed;
    bool written = writeAll(file, content) && FlushFileBuffers(file) != 0;
    written = CloseHandle(file) != 0 && written;
    ReplaceResult result = ReplaceResult::Failed;
    if (written) {
        HANDLE original = openForSharedReading(target);
        result = original == INVALID_HANDLE_VALUE ? ReplaceResult::Failed
                                                  : resultOf(checkAsRead(original, target, readText, readStamp));
        // Closed before the move: Windows does not move over a file we hold open.
        if (original != INVALID_HANDLE_VALUE) CloseHandle(original);
    }
    if (result == ReplaceResult::Replaced &&
        !MoveFileExW(temporaryPath.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        result = ReplaceResult::Failed;
    if (result != ReplaceResult::Replaced) DeleteFileW(temporaryPath.c_str());
    return result;
}

bool writeJournal(const WidePath& path, std::string_view oldText, std::string_view newText) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = writeAll(file, journalText(oldText, newText)) && FlushFileBuffers(file) != 0;
    return CloseHandle(file) != 0 && written;
}

// The open file's content made text, from its first byte, and flushed. The
// results of the writes, the new end and the flush are checked; a read back
// would only see the cache.
bool rewrite(HANDLE file, std::string_view text) {
    LARGE_INTEGER start{};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && writeAll(file, text) && SetEndOfFile(file) &&
           FlushFileBuffers(file);
}

// Opened to be rewritten: no other program may write it meanwhile (an editor's
// save then fails visibly instead of mixing with ours), and one that has it
// open for writing makes the open fail.
HANDLE openForRewriting(const WidePath& path) {
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A hard-linked file keeps its identity: journal first, then the bytes in
// place; a write that fails midway (a full disk) puts the old text back (the
// journal stays for the next start if even that fails).
ReplaceResult rewriteInPlace(const WidePath& target, std::string_view readText, const FileStamp& readStamp,
                             std::string_view content) {
    HANDLE file = openForRewriting(target);
    if (file == INVALID_HANDLE_VALUE) return ReplaceResult::Failed;
    WidePath journalPath = target + rewriteJournalSuffix;
    bool journalNeeded = false;
    ReplaceResult result = ReplaceResult::Failed;
    if (writeJournal(journalPath, readText, content)) {
        result = resultOf(checkAsRead(file, target, readText, readStamp));
        if (result == ReplaceResult::Replaced && !rewrite(file, content)) {
            result = ReplaceResult::Failed;
            journalNeeded = !rewrite(file, readText);
        }
    }
    CloseHandle(file);
    if (!journalNeeded) DeleteFileW(journalPath.c_str());
    return result;
}

// Our temporary files beside the file: its name, our suffix, anything after.
int removeTemporaryFiles(const WidePath& target) {
    WidePath prefix = target + temporaryFileSuffix;
    const wchar_t* start = prefix.c_str();
    size_t nameStart = prefix.length();
    while (nameStart > 0 && start[nameStart - 1] != L'\\' && start[nameStart - 1] != L'/') --nameStart;
    size_t nameLength = prefix.length() - nameStart;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((prefix + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int removed = 0;
    do {
        // The pattern also matches short (8.3) names: the long name must start so.
        if (wcsncmp(found.cFileName, start + nameStart, nameLength) != 0) continue;
        WidePath leftover;
        leftover.characters.assign(start, start + nameStart);
        for (const wchar_t* c = found.cFileName; *c; ++c) leftover.characters.push_back(*c);
        leftover.characters.push_back(L'\0');
        removed += DeleteFileW(leftover.c_str()) != 0;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return removed;
}

bool readWhole(const WidePath& path, std::string* text) {
    HANDLE file = openForSharedReading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool complete = readFromStart(file, text, nullptr);
    CloseHandle(file);
    return complete;
}

}  // namespace

bool operator==(const FileStamp& a, const FileStamp& b) {
    return a.volume == b.volume && a.index == b.index && a.size == b.size && a.writeTime == b.writeTime &&
           a.links == b.links;
}

bool fileExists(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool fileWriteTime(const char* path, uint64_t* writeTime) {
    HANDLE file = openForSharedReading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILETIME lastWrite;
    bool known = GetFileTime(file, nullptr, nullptr, &lastWrite) != 0;
    CloseHandle(file);
    if (known) *writeTime = fileTimeValue(lastWrite);
    return known;
}

bool readWholeFile(const char* path, std::string* text, FileStamp* stamp) {
    for (int attempt = 0; attempt < readTries; ++attempt) {
        HANDLE file = openForSharedReading(path);
        if (file == INVALID_HANDLE_VALUE) return false;
        bool complete = readFromStart(file, text, stamp);
        CloseHandle(file);
        if (complete) return true;
    }
    return false;
}

ReplaceResult replaceFileContent(const char* path, std::string_view readText, const FileStamp& readStamp,
                                 std::string_view content) {
    WidePath target;
    if (!resolveLinks(path, &target)) return ReplaceResult::Failed;
    DWORD attributes = GetFileAttributesW(target.c_str());
    FileStamp now;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) ||
        !stampOfPath(target, &now))
        return ReplaceResult::Failed;
    if (now.links > 1) return rewriteInPlace(target, readText, readStamp, content);
    return replaceByMove(target, attributes, readText, readStamp, content);
}

ReplaceRecovery recoverInterruptedReplace(const char* path) {
    ReplaceRecovery recovery;
    WidePath target;
    if (!resolveLinks(path, &target)) target = WidePath{} + path;  // a missing file: our leftovers beside it still go
    recovery.temporaryFilesRemoved = removeTemporaryFiles(target);
    WidePath journalPath = target + rewriteJournalSuffix;
    std::string journal;
    if (!readWhole(journalPath, &journal)) return recovery;
    std::string_view oldText, newText;
    if (readJournal(journal, &oldText, &newText)) {
        HANDLE file = openForRewriting(target);
        // A file there that cannot be opened now keeps its journal for a later start.
        if (file == INVALID_HANDLE_VALUE && GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
            return recovery;
        std::string text;
        if (file != INVALID_HANDLE_VALUE && readFromStart(file, &text, nullptr) &&
            isHalfRewritten(text, oldText, newText)) {
            recovery.rewriteUndone = rewrite(file, oldText);
            if (!recovery.rewriteUndone) {
                CloseHandle(file);
                return recovery;  // the journal stays: it holds the player's text
            }
        }
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    DeleteFileW(journalPath.c_str());
    return recovery;
}

bool appendToFile(const char* path, std::string_view content) {
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = writeAll(file, content);
    return CloseHandle(file) != 0 && written;
}

bool renameFile(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
}

bool fileSize(const char* path, uint64_t* size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;
    *size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}
