#include <windows.h>

#include <cstring>

#include "platform/module_directory.h"

// The module is the one holding this function, whatever the file is called.
// Its path is taken through the wide function and handed on as UTF-8, so that
// a folder of any name (a user name in Cyrillic, Greek, Chinese) comes whole;
// the file functions take UTF-8 paths.
bool pluginModuleDirectory(char* buffer, size_t size) {
    if (size == 0) return false;
    buffer[0] = '\0';
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&pluginModuleDirectory), &module))
        return false;
    wchar_t path[MAX_PATH * 4];
    DWORD length = GetModuleFileNameW(module, path, sizeof path / sizeof path[0]);
    if (length == 0 || length >= sizeof path / sizeof path[0]) return false;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, path, static_cast<int>(length), buffer, static_cast<int>(size - 1),
                                    nullptr, nullptr);
    if (bytes <= 0) {
        buffer[0] = '\0';
        return false;
    }
    buffer[bytes] = '\0';
    char* separator = std::strrchr(buffer, '\\');
    if (!separator) separator = std::strrchr(buffer, '/');
    if (separator)
        separator[1] = '\0';
    else
        buffer[0] = '\0';
    return true;
}
