#pragma once
// The settings file's text read the way the Win32 private-profile functions
// read it, parsed once and answered for many keys: section and key names
// compare case-insensitively, whitespace around names and values is trimmed,
// the first occurrence of a key in the first matching section wins. Lines end
// at LF or CR; a NUL ends a name or value, as in the C strings of the Win32
// reader. Bytes (with or without a UTF-8 byte-order mark) and UTF-16LE are
// read (see ini_encoding.h). The writer is ini_writer.h.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The entries of one section. The views point into the parsed text, or into
// the section's own decoded copy of a UTF-16 file: the text must outlive the
// section. Parsing again reuses the storage (no allocation once it has grown
// to the file's size).
struct ProfileSection {
    struct Entry {
        std::string_view key;
        std::string_view value;  // data() == nullptr for a line without '='
    };
    std::vector<Entry> entries;  // file order
    // Open-addressed index of each key's first occurrence: the key's hash in
    // the high half, its entry number + 1 in the low half, 0 when free.
    std::vector<uint64_t> index;
    std::vector<char> decoded;

    ProfileSection() = default;
    ProfileSection(ProfileSection&&) = default;
    ProfileSection& operator=(ProfileSection&&) = default;
    // A copy would point into the original's decoded text.
    ProfileSection(const ProfileSection&) = delete;
    ProfileSection& operator=(const ProfileSection&) = delete;
};

// One line of the text as the parse walks it.
struct ProfileLine {
    int number;              // 1-based; every line end the reader sees counts
    std::string_view text;   // the line without the white space around it
    bool header;             // "[name]", up to the last ']'
    std::string_view name;   // the section's or the key's name as looked up
    std::string_view value;  // up to a NUL; data() == nullptr without '='
    bool sectionHeader;      // the header of the section the parse reads
    bool inSection;          // the line is an entry of that section
};

// Sees the lines of a parse that are not blank, to the end of the text.
class ProfileLineVisitor {
public:
    virtual void visit(const ProfileLine& line) = 0;

protected:
    ~ProfileLineVisitor() = default;
};

// Parses the entries of the first section of that name; a visitor, when
// given, sees every line the parse walks, the lines after the section too.
void parseProfileSection(std::string_view text, std::string_view section, ProfileSection* out,
                         ProfileLineVisitor* visitor = nullptr);

// The same parse in steps, for a caller that must not hold the processor
// long: each step walks about a budget of bytes of lines, then indexes about
// a budget's worth of entries (an entry counting as eight bytes). The text and
// the section name must stay alive and unchanged, and the section is not to be
// looked up, until a step returns true.
class ProfileParse {
public:
    void start(std::string_view text, std::string_view section, ProfileSection* out);
    // A visitor, when given, sees the lines this step walks.
    bool advance(size_t budget, ProfileLineVisitor* visitor = nullptr);

private:
    enum class Phase { Walking, Indexing, Complete };
    std::string_view text_;
    std::string_view wanted_;
    ProfileSection* out_ = nullptr;
    size_t at_ = 0;
    int number_ = 0;
    bool inside_ = false;
    bool read_ = false;  // the section has been read to its end
    uint32_t indexed_ = 0;
    size_t indexSize_ = 0;
    Phase phase_ = Phase::Complete;
};

// A value as the reader gives it: one wholly enclosed in matching single or
// double quotes loses them.
std::string_view withoutQuotes(std::string_view value);
// The value of a key as the private-profile string reader gives it (quotes
// around the whole value removed); false when the key is missing.
bool findProfileValue(const ProfileSection& section, std::string_view key, std::string_view* value);
// As GetPrivateProfileIntA: missing or empty -> fallback; else the first 29
// characters read as a number with optional sign (decimal, or after a "0x",
// "0o" or "0b" prefix hexadecimal, octal or binary) up to the first other
// character, modulo 2^32 (so "-1" reads as 0xFFFFFFFF).
uint32_t profileInt(const ProfileSection& section, std::string_view key, uint32_t fallback);
// The number at the start of a value (profileInt reads at most its first 29
// characters); length, when given, receives how many characters make up the
// number (0 when there is no digit; "0x" alone is the number 0).
uint32_t profileIntOf(const char* digits, size_t* length = nullptr);
// As GetPrivateProfileStringA into a buffer of bufferSize bytes (at most
// bufferSize - 1 characters and a NUL); returns the characters copied.
size_t profileString(const ProfileSection& section, std::string_view key, const char* fallback, char* buffer,
                     size_t bufferSize);
// Section and key names compare as the reader compares them: ASCII letters
// without case, every other byte as it is.
char lowerAscii(char c);
bool equalIgnoringCase(std::string_view a, std::string_view b);
// A hash of a name that two names equal by equalIgnoringCase share.
uint64_t profileNameHash(std::string_view name);
