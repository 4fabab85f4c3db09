#include "platform/full_path.h"

#include <unistd.h>

#include <cstdio>

bool fullPathOf(const char* path, char* buffer, size_t size) {
    if (size == 0) return false;
    buffer[0] = '\0';
    char directory[4096];
    if (getcwd(directory, sizeof directory) == nullptr) return false;
    int length = std::snprintf(buffer, size, "%s/%s", directory, path);
    if (length < 0 || static_cast<size_t>(length) >= size) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}
