#pragma once
// "pelorin check [FILE] [--json] [--map map.svg]": the settings file explained
// on the terminal (or as JSON), and optionally drawn as a map.
#include <string>
#include <vector>

// How the command is started ("pelorin check", "pelorin-check.exe"), for its
// help, and which file it checks when none is named, in words.
struct CheckCommandName {
    const char* command;
    const char* defaultFileText;
};

// Runs the check with the arguments that follow the command; defaultFile is
// used when none names a file. Returns the exit status: 0 fine, 1 warnings,
// 2 errors, an unreadable file or wrong arguments (0 for --help).
int runCheckCommand(const CheckCommandName& name, const std::vector<std::string>& arguments,
                    const std::string& defaultFile);
// The command's help, as --help prints it.
void printCheckHelp(const CheckCommandName& name);
