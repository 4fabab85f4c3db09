#pragma once
// The settings file's text with keys set or removed, as the Win32
// private-profile writer would leave it, in the file's own encoding
// (ini_encoding.h) and with every other byte as it was.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ini/ini_encoding.h"

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

// withProfileEdits in steps, for a caller that must not hold the processor
// long: each step indexes the edits, walks the section's lines, lists the
// keys to add or copies the text into the result, about a budget of bytes'
// worth (an edit counting as 16 bytes). The file, the section name and the
// edits must stay alive and unchanged until a step returns true; the result
// is then withProfileEdits's, byte for byte. A UTF-16 file is decoded in the
// first step and encoded in the last, whole.
class ProfileEditor {
public:
    void start(std::string_view file, std::string_view section, const ProfileEdit* edits, size_t count,
               std::string* out);
    bool advance(size_t budget);

private:
    enum class Phase { Indexing, Walking, Adding, Copying, Complete };
    size_t slotOf(std::string_view name) const;
    void copyThrough(size_t end);
    void copyUpTo(size_t end, size_t* budget);
    void finishAdding();

    std::string_view file_;
    ProfileEncoding encoding_ = ProfileEncoding::Bytes;
    std::vector<char> decoded_;
    std::string edited_;  // the result before it is encoded again (UTF-16)
    std::string_view text_;
    std::string_view section_;
    const ProfileEdit* edits_ = nullptr;
    size_t count_ = 0;
    std::string* out_ = nullptr;
    std::string* result_ = nullptr;  // out_, or edited_ for a UTF-16 file
    std::vector<size_t> slots_;  // open-addressed index of the edits by name
    size_t mask_ = 0;
    std::vector<bool> applied_;
    std::string_view lineEnd_;
    std::string added_;
    size_t at_ = 0;        // the walk's or the listing's position
    size_t copied_ = 0;    // the text up to here is in the result
    size_t insertAt_ = 0;  // after the section's header or its last entry line
    bool inside_ = false;  // in the first section of that name, which stays the last one seen
    bool addedCopied_ = false;
    // The last change left nothing of the text's open last line after it.
    bool lastChangeEmptiedEnd_ = false;
    Phase phase_ = Phase::Complete;
};
