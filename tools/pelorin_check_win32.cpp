// "pelorin-check.exe" of the release: started without arguments (as by a
// double click) it checks the Pelorin.ini beside it and waits for Enter, so
// the window stays open; with arguments it works as "pelorin check".
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/check_command.h"

namespace {

std::string settingsBesideProgram() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path, length < MAX_PATH ? length : 0);
    size_t slash = program.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : program.substr(0, slash + 1)) + "Pelorin.ini";
}

constexpr CheckCommandName checkCommand{"pelorin-check.exe", "the Pelorin.ini beside pelorin-check.exe by default"};

}  // namespace

int main(int argc, char** argv) {
    std::string beside = settingsBesideProgram();
    if (argc > 1) return runCheckCommand(checkCommand, std::vector<std::string>(argv + 1, argv + argc), beside);
    int status = runCheckCommand(checkCommand, {}, beside);
    std::printf("\nPress Enter to close.");
    std::fflush(stdout);
    std::getchar();
    return status;
}
