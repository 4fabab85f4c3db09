#include "platform/full_path.h"

#include <windows.h>

// Through the wide functions, UTF-8 on both sides, so that a folder of any
// name comes whole.
bool fullPathOf(const char* path, char* buffer, size_t size) {
    if (size == 0) return false;
    buffer[0] = '\0';
    wchar_t widePath[MAX_PATH], full[MAX_PATH * 4];
    if (MultiByteToWideChar(CP_UTF8, 0, path, -1, widePath, MAX_PATH) == 0) return false;
    DWORD length = GetFullPathNameW(widePath, sizeof full / sizeof full[0], full, nullptr);
    if (length == 0 || length >= sizeof full / sizeof full[0]) return false;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, full, -1, buffer, static_cast<int>(size), nullptr, nullptr);
    if (bytes == 0) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}
