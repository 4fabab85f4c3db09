#pragma once
// The settings file's text with keys set or removed, as the Win32
// private-profile writer would leave it, in the file's own encoding
// (ini_encoding.h) and with every other byte as it was.
#include <string>
#include <string_view>

// The file with key=value set in the section, in the file's own encoding: an
// existing value replaced in place, else the line added after the section's
// last entry, else the section added at the end, with the file's line end.
// Every other byte stays as it was, so every other key reads as before. The
// key and value are plain text: no line end, NUL, '=' in the key, nor
// whitespace or quotes around either.
std::string withProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value);
// One change of a key: a new value, or, when value.data() is nullptr, the
// key's removal: every line of it in the section goes, so that it reads as
// missing.
struct ProfileEdit {
    std::string_view key;
    std::string_view value;
};
// The file with every edit made in one pass, each as withProfileValue makes
// it; keys the section lacks are added in the order given. A key edited twice
// takes its last edit.
std::string withProfileEdits(std::string_view file, std::string_view section, const ProfileEdit* edits,
                             size_t count);
