// Prints the version resource of a file as Windows shows it in the file's
// properties, read with GetFileVersionInfoA; exit 1 when the file has none.
//   version_info.exe <file>
#include <windows.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: version_info <file>\n");
        return 2;
    }
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
    if (size == 0) {
        std::printf("%s: no version resource\n", argv[1]);
        return 1;
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(argv[1], 0, size, data.data())) return 1;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed != nullptr)
        std::printf("FixedFileVersion: %u.%u.%u.%u\n", static_cast<unsigned>(HIWORD(fixed->dwFileVersionMS)),
                    static_cast<unsigned>(LOWORD(fixed->dwFileVersionMS)),
                    static_cast<unsigned>(HIWORD(fixed->dwFileVersionLS)),
                    static_cast<unsigned>(LOWORD(fixed->dwFileVersionLS)));
    WORD* translation = nullptr;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < 4)
        return 1;
    for (const char* name : {"ProductName", "FileDescription", "FileVersion", "ProductVersion"}) {
        char query[128];
        std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], name);
        char* value = nullptr;
        if (!VerQueryValueA(data.data(), query, reinterpret_cast<void**>(&value), &length) || value == nullptr) {
            std::printf("%s: missing\n", name);
            return 1;
        }
        std::printf("%s: %s\n", name, value);
    }
    return 0;
}
