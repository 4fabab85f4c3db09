#pragma once
// A file of the tools opened by its UTF-8 path (on Windows through the wide
// functions, so that any folder name works).
#include <cstdio>
#include <string>

std::FILE* openFile(const std::string& path, const char* mode);
