#pragma once
// The settings file's text read the way the Win32 private-profile functions
// read ordinary files, parsed once and answered for many keys: section and key
// names compare case-insensitively, whitespace around names and values is
// trimmed, the first occurrence of a key in the first matching section wins.
// A UTF-8 byte-order mark and CRLF or LF line ends are accepted.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The entries of one section; the views point into the parsed text, which must
// outlive the section. Parsing again reuses the storage (no allocation once
// it has grown to the file's size).
struct ProfileSection {
    struct Entry {
        std::string_view key;
        std::string_view value;
    };
    std::vector<Entry> entries;           // file order
    std::vector<uint32_t> sortedByKey;    // entry indexes, by key without case, stable
};

void parseProfileSection(std::string_view text, std::string_view section, ProfileSection* out);
// The value of a key as the private-profile string reader gives it (quotes
// around the whole value removed); false when the key is missing.
bool findProfileValue(const ProfileSection& section, std::string_view key, std::string_view* value);
// As GetPrivateProfileIntA: missing or empty -> fallback; else the first 29
// characters read as a number with optional sign (decimal, or after a "0x",
// "0o" or "0b" prefix hexadecimal, octal or binary) up to the first other
// character, modulo 2^32 (so "-1" reads as 0xFFFFFFFF).
uint32_t profileInt(const ProfileSection& section, std::string_view key, uint32_t fallback);
// As GetPrivateProfileStringA into a buffer of bufferSize bytes (at most
// bufferSize - 1 characters and a NUL); returns the characters copied.
size_t profileString(const ProfileSection& section, std::string_view key, const char* fallback, char* buffer,
                     size_t bufferSize);
// The text with key=value set in the section: an existing value replaced in
// place, else the key added at the end of the section, else the section added
// at the end of the text. Every other byte stays as it was.
std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);
