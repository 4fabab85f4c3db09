// A format msvcrt.dll does not know, for the check that must reject it.
#include <cstdio>

void printCount(char* text, size_t size, size_t count) { std::snprintf(text, size, "%zu points", count); }
