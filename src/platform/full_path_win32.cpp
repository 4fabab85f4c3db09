#include "platform/full_path.h"

#include <windows.h>

bool fullPathOf(const char* path, char* buffer, size_t size) {
    if (size == 0) return false;
    DWORD length = GetFullPathNameA(path, static_cast<DWORD>(size), buffer, nullptr);
    if (length == 0 || length >= size) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}
