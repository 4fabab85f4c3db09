#include <windows.h>

#include "platform/settings_file.h"

const char* const settingsFilePath = ".\\Pelorin.ini";

namespace {

// Open for reading while other programs (an editor) may read or write it.
HANDLE openForSharedReading() {
    return CreateFileA(settingsFilePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool settingsFileExists() { return GetFileAttributesA(settingsFilePath) != INVALID_FILE_ATTRIBUTES; }

bool readSettingsFileWriteTime(uint64_t* writeTime) {
    HANDLE file = openForSharedReading();
    if (file == INVALID_HANDLE_VALUE) return false;
    FILETIME lastWrite;
    bool known = GetFileTime(file, nullptr, nullptr, &lastWrite) != 0;
    CloseHandle(file);
    if (known) *writeTime = (static_cast<uint64_t>(lastWrite.dwHighDateTime) << 32) | lastWrite.dwLowDateTime;
    return known;
}

bool readSettingsFileText(std::string* text) {
    HANDLE file = openForSharedReading();
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool complete = GetFileSizeEx(file, &size) != 0 && size.QuadPart < 0x7FFFFFFF;
    if (complete) {
        // Reuses the string's storage: no allocation once it has held the file.
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

bool writeSettingsValue(const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, settingsFilePath) != 0;
}
