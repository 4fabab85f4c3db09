#include <windows.h>

#include "platform/files.h"

namespace {

// Shared with every other use, so that an editor can save (also by replacing
// the file) while we read.
HANDLE openForSharedReading(const char* path) {
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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

}  // namespace

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

bool readWholeFile(const char* path, std::string* text, uint64_t* writeTime) {
    HANDLE file = openForSharedReading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    FILETIME lastWrite;
    bool complete = GetFileSizeEx(file, &size) != 0 && size.QuadPart < 0x7FFFFFFF &&
                    GetFileTime(file, nullptr, nullptr, &lastWrite) != 0;
    if (complete) {
        text->resize(static_cast<size_t>(size.QuadPart));
        size_t done = 0;
        while (done < text->size()) {
            DWORD got = 0;
            if (!ReadFile(file, &(*text)[done], static_cast<DWORD>(text->size() - done), &got, nullptr)) {
                complete = false;
                break;
            }
            if (got == 0) break;
            done += got;
        }
        text->resize(done);
        if (writeTime) *writeTime = fileTimeValue(lastWrite);
    }
    CloseHandle(file);
    return complete;
}

// The temporary file gets the original's attributes and is written through to
// disk, then moved over the original with write-through, which Windows
// performs as one rename: the old file or the new one, whatever happens.
// (ReplaceFile would also carry over the security settings, but some of its
// failures leave the settings file under the temporary name.) A file that is
// locked by another program makes the move fail and stays as it was.
bool replaceFileContent(const char* path, std::string_view content) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    std::string temporaryPath = std::string(path) + ".new";
    DeleteFileA(temporaryPath.c_str());  // left by a crash, perhaps with other attributes
    DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                               FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    HANDLE file = CreateFileA(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              (kept ? kept : FILE_ATTRIBUTE_NORMAL) | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = writeAll(file, content) && FlushFileBuffers(file) != 0;
    written = CloseHandle(file) != 0 && written;
    if (!written ||
        !MoveFileExA(temporaryPath.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporaryPath.c_str());
        return false;
    }
    return true;
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
