#include <windows.h>

#include <cstring>

#include "platform/module_directory.h"

// The module is the one holding this function, whatever the file is called.
bool pluginModuleDirectory(char* buffer, size_t size) {
    if (size == 0) return false;
    buffer[0] = '\0';
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&pluginModuleDirectory), &module))
        return false;
    DWORD length = GetModuleFileNameA(module, buffer, static_cast<DWORD>(size));
    if (length == 0 || length >= size) {
        buffer[0] = '\0';
        return false;
    }
    char* separator = std::strrchr(buffer, '\\');
    if (!separator) separator = std::strrchr(buffer, '/');
    if (separator)
        separator[1] = '\0';
    else
        buffer[0] = '\0';
    return true;
}
