// Formatted output into a buffer for Pelorin.asi, done by the system's
// msvcrt.dll instead of the MinGW runtime's own printf engine, which would add
// some 25 KB (with its floating-point conversion) to the file. The plug-in
// formats integers, texts and short decimals, which both write alike; the C99
// rules stay: the text is always terminated, cut at the buffer's end, and the
// full length is returned. Formats in the plug-in keep to what msvcrt.dll
// knows: no "z", "j", "t" or "ll" length modifiers (cast wider integers to
// long or double).
#include <cstdarg>
#include <cstddef>
#include <cstdio>

extern "C" int __mingw_vsnprintf(char* buffer, size_t size, const char* format, va_list args) {
    va_list again;
    va_copy(again, args);
    int length = size > 0 ? _vsnprintf(buffer, size, format, args) : -1;
    if (length < 0 || static_cast<size_t>(length) >= size) {
        if (size > 0) buffer[size - 1] = '\0';
        length = _vscprintf(format, again);
    }
    va_end(again);
    return length;
}
