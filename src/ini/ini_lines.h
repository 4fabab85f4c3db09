#pragma once
// The line walk that the INI reader and writer share (internal to ini/): how
// the private-profile functions split a text into lines, and a line into a
// section header or a key and its value.
#include <cstddef>
#include <string_view>

namespace ini {

// The white space around names and values that the reader trims.
std::string_view trimmed(std::string_view s);
// A name as looked up: trimmed, up to a NUL.
std::string_view nameOf(std::string_view s);
// Where the lines start: after a UTF-8 byte-order mark, if any.
size_t textStart(std::string_view text);

// One line: [begin, end) without its line end; the next line starts at next.
// Lines end at LF or at CR, a CR LF pair being one line end. The scan that
// finds the end also notes the first '=' and whether a NUL occurs, so that
// each byte is looked at once; it goes eight bytes at a time past bytes that
// are none of these (the C runtime's memchr of the shipped DLL goes byte by
// byte).
struct Line {
    size_t begin;
    size_t end;
    size_t next;
    size_t equals;  // the first '=' of the line, or npos
    bool nul;
};

Line lineAt(std::string_view text, size_t begin);

// The trimmed content of a line, classified: a section header "[name]" (up
// to the last ']'), or key=value split at the first '='.
struct LineContent {
    std::string_view text;      // the line without the whitespace around it
    bool header;
    std::string_view name;      // the section's or the key's, as looked up
    std::string_view value;     // up to a NUL; data() == nullptr without '='
    std::string_view rawValue;  // the trimmed text after '=', NUL and all
};

LineContent contentOf(std::string_view text, const Line& line);

}  // namespace ini
