#pragma once
// Where the plug-in's own files live: on Windows the folder of the plug-in's
// module (Pelorin.asi), on Linux the current directory.
#include <cstddef>

// The directory with a trailing separator ("" for the current directory) into
// buffer, as UTF-8 (the file functions take UTF-8 paths); false, with buffer
// holding "", when it cannot be told or does not fit.
bool pluginModuleDirectory(char* buffer, size_t size);
