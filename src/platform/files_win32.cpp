#include <windows.h>

#include "platform/files.h"

namespace {

HANDLE openForSharedReading(const char* path) {
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
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

bool fileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool fileWriteTime(const char* path, uint64_t* writeTime) {
    HANDLE file = openForSharedReading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILETIME lastWrite;
    bool known = GetFileTime(file, nullptr, nullptr, &lastWrite) != 0;
    CloseHandle(file);
    if (known) *writeTime = (static_cast<uint64_t>(lastWrite.dwHighDateTime) << 32) | lastWrite.dwLowDateTime;
    return known;
}

bool readWholeFile(const char* path, std::string* text) {
    HANDLE file = openForSharedReading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool complete = GetFileSizeEx(file, &size) != 0 && size.QuadPart < 0x7FFFFFFF;
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
    }
    CloseHandle(file);
    return complete;
}

// The temporary file is written through to disk, then moved over the original
// with write-through, which Windows performs as one replace.
bool replaceFileContent(const char* path, std::string_view content) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    std::string temporaryPath = std::string(path) + ".new";
    HANDLE file = CreateFileA(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = writeAll(file, content) && FlushFileBuffers(file) != 0;
    written = CloseHandle(file) != 0 && written;
    if (!written ||
        !MoveFileExA(temporaryPath.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporaryPath.c_str());
        return false;
    }
    SetFileAttributesA(path, attributes);
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
