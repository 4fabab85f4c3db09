// "pelorin-check.exe" of the release: started without arguments (as by a
// double click) it checks the Pelorin.ini beside it and waits for Enter, so
// the window stays open; with arguments it works as "pelorin check". Paths
// and arguments come through the wide functions, as UTF-8 inside, so that a
// folder of any name works; the console is switched to UTF-8 to show them.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/check_command.h"

namespace {

std::string utf8(const wchar_t* text, int length) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, &out[0], size, nullptr, nullptr);
    return out;
}

std::string settingsBesideProgram() {
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0 || length < path.size()) break;
        path.resize(path.size() * 2);  // a long path: try again with more room
    }
    std::string program = utf8(path.data(), static_cast<int>(length));
    size_t slash = program.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : program.substr(0, slash + 1)) + "Pelorin.ini";
}

std::vector<std::string> argumentsAfterProgram() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> out;
    for (int i = 1; arguments != nullptr && i < count; ++i) out.push_back(utf8(arguments[i], -1).c_str());
    LocalFree(arguments);
    return out;
}

constexpr CheckCommandName checkCommand{"pelorin-check.exe", "the Pelorin.ini beside pelorin-check.exe by default"};

}  // namespace

int main() {
    SetConsoleOutputCP(CP_UTF8);
    std::string beside = settingsBesideProgram();
    std::vector<std::string> arguments = argumentsAfterProgram();
    if (!arguments.empty()) return runCheckCommand(checkCommand, arguments, beside);
    int status = runCheckCommand(checkCommand, {}, beside);
    std::printf("\nPress Enter to close.");
    std::fflush(stdout);
    std::getchar();
    return status;
}
