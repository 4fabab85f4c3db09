// "pelorin": the command-line companion of the plug-in on Linux. Its one
// subcommand, "check", explains a settings file (Pelorin.ini in the current
// directory unless a file is named).
#include <cstdio>
#include <string>
#include <vector>

#include "tools/check_command.h"

namespace {

constexpr CheckCommandName checkCommand{"pelorin check", "Pelorin.ini in the current directory by default"};

}  // namespace

int main(int argc, char** argv) {
    std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h" || first == "help") {
        std::printf("pelorin: the Linux companion of the Pelorin plug-in. Its one command:\n\n");
        printCheckHelp(checkCommand);
        return 0;
    }
    if (first != "check") {
        std::fprintf(stderr, "usage: pelorin check [FILE] [--json] [--map map.svg]\npelorin --help explains it.\n");
        return 2;
    }
    return runCheckCommand(checkCommand, std::vector<std::string>(argv + 2, argv + argc), "Pelorin.ini");
}
