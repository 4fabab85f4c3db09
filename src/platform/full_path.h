#pragma once
// A path relative to the current directory as an absolute one, both UTF-8.
#include <cstddef>

// False, with buffer holding "", when it cannot be told or does not fit.
bool fullPathOf(const char* path, char* buffer, size_t size);
