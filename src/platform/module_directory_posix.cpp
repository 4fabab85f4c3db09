#include "platform/module_directory.h"

bool pluginModuleDirectory(char* buffer, size_t size) {
    if (size == 0) return false;
    buffer[0] = '\0';
    return true;
}
