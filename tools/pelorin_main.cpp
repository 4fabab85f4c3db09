// "pelorin": the command-line companion of the plug-in on Linux. Its one
// subcommand, "check", explains a settings file (Pelorin.ini in the current
// directory unless a file is named).
#include <cstdio>
#include <string>
#include <vector>

#include "tools/check_command.h"

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) != "check") {
        std::fprintf(stderr, "usage: pelorin check [FILE] [--json] [--map map.svg]\n");
        return 2;
    }
    return runCheckCommand(std::vector<std::string>(argv + 2, argv + argc), "Pelorin.ini");
}
