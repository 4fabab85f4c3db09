#pragma once
// "pelorin check [FILE] [--json] [--map map.svg]": the settings file explained
// on the terminal (or as JSON), and optionally drawn as a map.
#include <string>
#include <vector>

// Runs the check with the arguments that follow "check"; defaultFile is used
// when none names a file. Returns the exit status: 0 fine, 1 warnings,
// 2 errors, an unreadable file or wrong arguments.
int runCheckCommand(const std::vector<std::string>& arguments, const std::string& defaultFile);
