#include "settings/profile_text.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "settings/profile_encoding.h"

// A hash of the name that ignores ASCII case: every byte gets bit 5 set, which
// also merges a few punctuation pairs; equality is checked exactly afterwards.
uint64_t profileNameHash(std::string_view name) {
    const uint64_t fold = 0x2020202020202020ull;
    uint64_t h = 0x9E3779B97F4A7C15ull ^ name.size();
    const char* p = name.data();
    size_t n = name.size();
    for (; n >= 8; p += 8, n -= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        h = (h ^ (word | fold)) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 29;
    }
    if (n > 0) {
        uint64_t word = 0;
        std::memcpy(&word, p, n);
        h = (h ^ (word | fold >> (64 - 8 * n))) * 0xFF51AFD7ED558CCDull;
    }
    h ^= h >> 32;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 29);
}

namespace {

// The whitespace the private-profile reader trims, with ^Z (an old DOS end of file).
bool isProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}


std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isProfileSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isProfileSpace(s.back())) s.remove_suffix(1);
    return s;
}

// A name or value ends at a NUL, as a C string does.
std::string_view cutAtNul(std::string_view s) {
    size_t nul = s.find('\0');
    return nul == std::string_view::npos ? s : s.substr(0, nul);
}

// A name as looked up: trimmed, up to a NUL.
std::string_view nameOf(std::string_view s) { return cutAtNul(trimmed(s)); }

// Where the lines start: after a UTF-8 byte-order mark, if any.
size_t textStart(std::string_view text) { return text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; }

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

// Whether a byte ends a line, is '=' or is NUL.
struct SpecialBytes {
    bool of[256] = {};
    constexpr SpecialBytes() : of() {
        of[static_cast<unsigned char>('\n')] = of[static_cast<unsigned char>('\r')] = true;
        of[static_cast<unsigned char>('=')] = of[0] = true;
    }
};
constexpr SpecialBytes special;

// Whether any of the eight bytes of a word is zero.
constexpr uint64_t hasZeroByte(uint64_t word) {
    return (word - 0x0101010101010101ull) & ~word & 0x8080808080808080ull;
}
constexpr uint64_t eachByte(char c) { return 0x0101010101010101ull * static_cast<unsigned char>(c); }

// The special bytes among the eight at p (x86 is little-endian: the lowest
// set bit marks the first; bits above a special byte may be false).
uint64_t specialBytesAt(const char* p) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    return hasZeroByte(word) | hasZeroByte(word ^ eachByte('\n')) | hasZeroByte(word ^ eachByte('\r')) |
           hasZeroByte(word ^ eachByte('='));
}

Line lineAt(std::string_view text, size_t begin) {
    Line line{begin, text.size(), text.size(), std::string_view::npos, false};
    const char* p = text.data();
    size_t at = begin;
    while (at < text.size()) {
        if (at + 8 <= text.size()) {
            uint64_t found = specialBytesAt(p + at);
            if (found == 0) {
                at += 8;
                continue;
            }
            at += static_cast<size_t>(__builtin_ctzll(found)) / 8;
        } else if (!special.of[static_cast<unsigned char>(p[at])]) {
            ++at;
            continue;
        }
        char c = p[at];
        if (c == '\n' || c == '\r') {
            line.end = at;
            line.next = at + 1 < text.size() && c == '\r' && p[at + 1] == '\n' ? at + 2 : at + 1;
            return line;
        }
        if (c == '=' && line.equals == std::string_view::npos) line.equals = at;
        line.nul = line.nul || c == '\0';
        ++at;
    }
    return line;
}

// The trimmed content of a line, classified: a section header "[name]" (up
// to the last ']'), or key=value split at the first '='.
struct LineContent {
    std::string_view text;      // the line without the whitespace around it
    bool header;
    std::string_view name;      // the section's or the key's, as looked up
    std::string_view value;     // up to a NUL; data() == nullptr without '='
    std::string_view rawValue;  // the trimmed text after '=', NUL and all
};

LineContent contentOf(std::string_view text, const Line& line) {
    std::string_view content = trimmed(text.substr(line.begin, line.end - line.begin));
    LineContent parts{content, false, {}, {}, {}};
    if (content.empty()) return parts;
    auto cut = [&line](std::string_view s) { return line.nul ? cutAtNul(s) : s; };
    if (content.front() == '[') {
        size_t close = content.rfind(']');
        if (close != std::string_view::npos) {
            parts.header = true;
            parts.name = cut(trimmed(content.substr(1, close - 1)));
            return parts;
        }
    }
    if (line.equals == std::string_view::npos) {
        parts.name = cut(content);
        return parts;
    }
    size_t equals = line.equals - static_cast<size_t>(content.data() - text.data());
    parts.name = cut(trimmed(content.substr(0, equals)));
    parts.rawValue = trimmed(content.substr(equals + 1));
    parts.value = cut(parts.rawValue);
    return parts;
}

// 0-9, then a/A = 10 up to z/Z = 35; 36 for any other character.
uint32_t digitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
    char lower = lowerAscii(c);
    if (lower >= 'a' && lower <= 'z') return static_cast<uint32_t>(lower - 'a' + 10);
    return 36;
}

// The first occurrence of each key, in an open-addressed table twice the
// size of the entries or more (made by startIndex), entries from to to at a
// time, in file order. The table of a large file does not fit the processor's
// caches: the hashes are taken some entries ahead and their slots fetched
// early, so that the waits for memory overlap.
void startIndex(ProfileSection* out) {
    size_t size = 16;
    while (size < 2 * out->entries.size()) size *= 2;
    out->index.assign(size, 0);
}

void indexEntries(ProfileSection* out, uint32_t from, uint32_t to) {
    const uint64_t mask = out->index.size() - 1;
    constexpr uint32_t ahead = 8;
    uint64_t hashes[ahead];
    auto hashOf = [out, mask](uint32_t i) {
        uint64_t hash = profileNameHash(out->entries[i].key);
        __builtin_prefetch(&out->index[hash & mask]);
        return hash;
    };
    for (uint32_t i = from; i < from + ahead && i < to; ++i) hashes[i % ahead] = hashOf(i);
    for (uint32_t i = from; i < to; ++i) {
        uint64_t hash = hashes[i % ahead];
        if (i + ahead < to) hashes[i % ahead] = hashOf(i + ahead);
        std::string_view key = out->entries[i].key;
        uint64_t tag = hash & 0xFFFFFFFF00000000ull;
        for (uint64_t slot = hash & mask;; slot = (slot + 1) & mask) {
            uint64_t held = out->index[slot];
            if (held == 0) {
                out->index[slot] = tag | (i + 1);
                break;
            }
            if ((held & 0xFFFFFFFF00000000ull) == tag && equalIgnoringCase(out->entries[(held & 0xFFFFFFFF) - 1].key, key))
                break;  // a later occurrence stays hidden
        }
    }
}

const ProfileSection::Entry* findEntry(const ProfileSection& section, std::string_view key) {
    if (section.index.empty()) return nullptr;
    uint64_t hash = profileNameHash(key);
    uint64_t tag = hash & 0xFFFFFFFF00000000ull;
    const uint64_t mask = section.index.size() - 1;
    for (uint64_t slot = hash & mask;; slot = (slot + 1) & mask) {
        uint64_t held = section.index[slot];
        if (held == 0) return nullptr;
        const ProfileSection::Entry& entry = section.entries[(held & 0xFFFFFFFF) - 1];
        if ((held & 0xFFFFFFFF00000000ull) == tag && equalIgnoringCase(entry.key, key)) return &entry;
    }
}

// A piece of the text replaced: [begin, end) by the replacement.
struct TextEdit {
    size_t begin;
    size_t end;
    std::string replacement;
};

// withProfileEdits on text that is not UTF-16: the lines of the section are
// walked once, the changes noted in text order, then applied in one copy.
std::string editedText(std::string_view text, std::string_view section, const ProfileEdit* edits, size_t count) {
    std::string_view wantedSection = nameOf(section);
    // Each key's last edit, found by its name without case.
    std::vector<std::string> names(count);
    std::unordered_map<std::string, size_t> editOf;
    for (size_t i = 0; i < count; ++i) {
        names[i] = nameOf(edits[i].key);
        std::transform(names[i].begin(), names[i].end(), names[i].begin(), lowerAscii);
        editOf[names[i]] = i;
    }
    std::vector<bool> applied(count, false);
    size_t firstEnd = text.find_first_of("\r\n");
    std::string_view lineEnd = firstEnd == std::string_view::npos ? "\r\n"
                               : text[firstEnd] == '\n'           ? "\n"
                               : text.substr(firstEnd, 2) == "\r\n" ? "\r\n"
                                                                    : "\r";
    std::vector<TextEdit> changes;
    std::string lowered;
    bool inside = false;  // in the first section of that name, which stays the last one seen
    size_t insertAt = 0;  // after the section's header or its last entry line
    for (size_t at = textStart(text); at < text.size();) {
        Line line = lineAt(text, at);
        at = line.next;
        LineContent parts = contentOf(text, line);
        std::string_view content = parts.text;
        if (content.empty()) continue;
        if (parts.header) {
            if (inside) break;
            inside = equalIgnoringCase(parts.name, wantedSection);
            if (inside) insertAt = line.next;
            continue;
        }
        if (!inside) continue;
        if (content.front() != ';') insertAt = line.next;
        if (parts.name.empty()) continue;
        lowered.assign(parts.name);
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), lowerAscii);
        auto found = editOf.find(lowered);
        if (found == editOf.end()) continue;
        size_t i = found->second;
        if (edits[i].value.data() == nullptr) {
            // Every occurrence goes, so that the key reads as missing.
            changes.push_back(TextEdit{line.begin, line.next, {}});
            continue;
        }
        if (applied[i]) continue;  // a later occurrence, hidden from the reader
        applied[i] = true;
        size_t contentEnd = static_cast<size_t>(content.data() - text.data()) + content.size();
        if (parts.value.data() == nullptr) {
            changes.push_back(TextEdit{contentEnd, contentEnd, std::string("=").append(edits[i].value)});
        } else {
            // The value runs from its first non-blank character after '=' to the
            // end of the line's content; an empty value sits right at that end.
            size_t valueBegin = parts.rawValue.empty() ? contentEnd
                                                       : static_cast<size_t>(parts.rawValue.data() - text.data());
            changes.push_back(TextEdit{valueBegin, contentEnd, std::string(edits[i].value)});
        }
    }
    // Keys the section lacks, in the order given.
    std::string added;
    for (size_t i = 0; i < count; ++i) {
        if (applied[i] || edits[i].value.data() == nullptr || editOf[names[i]] != i) continue;
        added.append(nameOf(edits[i].key)).append("=").append(edits[i].value).append(lineEnd);
    }
    if (!added.empty()) {
        std::string_view lines = text.substr(textStart(text));
        bool lastLineOpen = !lines.empty() && lines.back() != '\n' && lines.back() != '\r';
        if (!inside) {
            insertAt = text.size();
            std::string header = lastLineOpen ? std::string(lineEnd) : std::string();
            header.append("[").append(wantedSection).append("]").append(lineEnd);
            added.insert(0, header);
        } else if (insertAt == text.size() && lastLineOpen) {
            // The new lines follow the open last line: its end moves to the front.
            added.insert(0, lineEnd);
            added.resize(added.size() - lineEnd.size());
        }
        changes.push_back(TextEdit{insertAt, insertAt, added});
    }
    std::string result;
    result.reserve(text.size() + added.size());
    size_t copied = 0;
    for (const TextEdit& change : changes) {
        result.append(text.substr(copied, change.begin - copied)).append(change.replacement);
        copied = change.end;
    }
    result.append(text.substr(copied));
    return result;
}

}  // namespace

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

void ProfileParse::start(std::string_view file, std::string_view section, ProfileSection* out) {
    out->entries.clear();
    // Lines of settings are rarely shorter than 24 bytes: the entries seldom
    // grow (and copy themselves) while the walk goes on.
    out->entries.reserve(file.size() / 24);
    out->index.clear();
    text_ = file;
    ProfileEncoding encoding = profileEncodingOf(file);
    if (encoding != ProfileEncoding::Bytes) {
        decodeUtf16(file, encoding, &out->decoded);
        text_ = std::string_view(out->decoded.data(), out->decoded.size());
    }
    wanted_ = nameOf(section);
    out_ = out;
    at_ = textStart(text_);
    number_ = 0;
    inside_ = read_ = false;
    indexed_ = 0;
    phase_ = Phase::Walking;
}

bool ProfileParse::advance(size_t budget, ProfileLineVisitor* visitor) {
    const size_t begin = at_;
    size_t end = budget < text_.size() - at_ ? at_ + budget : text_.size();
    while (phase_ == Phase::Walking && at_ < end) {
        Line line = lineAt(text_, at_);
        at_ = line.next;
        ++number_;
        LineContent parts = contentOf(text_, line);
        if (parts.text.empty()) continue;
        ProfileLine seen{number_, parts.text, parts.header, parts.name, parts.value, false, false};
        if (parts.header) {
            // Only the first section of that name is ever read, up to the next header.
            if (inside_) {
                inside_ = false;
                read_ = true;
                if (visitor == nullptr) at_ = text_.size();
            } else if (!read_ && equalIgnoringCase(parts.name, wanted_)) {
                inside_ = seen.sectionHeader = true;
            }
        } else if (inside_ && !parts.name.empty()) {
            out_->entries.push_back(ProfileSection::Entry{parts.name, parts.value});
            seen.inSection = true;
        }
        if (visitor != nullptr) visitor->visit(seen);
    }
    if (phase_ == Phase::Walking) {
        if (at_ < text_.size()) return false;
        startIndex(out_);
        phase_ = Phase::Indexing;
        budget -= std::min(budget, at_ - begin);
    }
    if (phase_ == Phase::Indexing) {
        // Indexing an entry costs about as much as walking eight bytes.
        uint32_t count = static_cast<uint32_t>(out_->entries.size());
        uint32_t to = static_cast<uint32_t>(std::min<size_t>(count, indexed_ + std::max<size_t>(budget / 8, 1)));
        indexEntries(out_, indexed_, to);
        indexed_ = to;
        if (indexed_ == count) phase_ = Phase::Complete;
    }
    return phase_ == Phase::Complete;
}

void parseProfileSection(std::string_view file, std::string_view section, ProfileSection* out,
                         ProfileLineVisitor* visitor) {
    ProfileParse parse;
    parse.start(file, section, out);
    while (!parse.advance(SIZE_MAX, visitor)) {
    }
}

bool findProfileValue(const ProfileSection& section, std::string_view key, std::string_view* value) {
    const ProfileSection::Entry* entry = findEntry(section, nameOf(key));
    // A first occurrence without '=' hides later ones and reads as missing.
    if (entry == nullptr || entry->value.data() == nullptr) return false;
    *value = withoutQuotes(entry->value);
    return true;
}

uint32_t profileInt(const ProfileSection& section, std::string_view key, uint32_t fallback) {
    // The integer reader takes the value through a 30-character string buffer.
    char digits[30];
    size_t length = profileString(section, key, "", digits, sizeof digits);
    if (length == 0) return fallback;
    return profileIntOf(digits);
}

uint32_t profileIntOf(const char* digits, size_t* length) {
    const char* p = digits;
    while (*p != '\0' && static_cast<unsigned char>(*p) <= ' ') ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    const char* number = p;  // where a lone "0" of a prefix without digits ends
    // Like the Windows reader, a "0x", "0o" or "0b" prefix selects base 16, 8 or 2.
    uint32_t base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'o' || p[1] == 'b')) {
        base = p[1] == 'x' ? 16 : p[1] == 'o' ? 8 : 2;
        number = p + 1;
        p += 2;
    }
    const char* firstDigit = p;
    uint32_t total = 0;
    for (; *p != '\0'; ++p) {
        uint32_t digit = digitValue(*p);
        if (digit >= base) break;
        total = total * base + digit;
    }
    if (length != nullptr) *length = p > firstDigit ? static_cast<size_t>(p - digits)
                                     : base != 10    ? static_cast<size_t>(number - digits)
                                                     : 0;
    return negative ? 0u - total : total;
}

size_t profileString(const ProfileSection& section, std::string_view key, const char* fallback, char* buffer,
                     size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0) return 0;
    std::string_view value;
    if (!findProfileValue(section, key, &value)) value = fallback != nullptr ? fallback : "";
    size_t length = std::min(value.size(), bufferSize - 1);
    std::copy(value.begin(), value.begin() + static_cast<std::ptrdiff_t>(length), buffer);
    buffer[length] = '\0';
    return length;
}

std::string withProfileEdits(std::string_view file, std::string_view section, const ProfileEdit* edits,
                             size_t count) {
    ProfileEncoding encoding = profileEncodingOf(file);
    if (encoding == ProfileEncoding::Bytes) return editedText(file, section, edits, count);
    std::vector<char> text;
    decodeUtf16(file, encoding, &text);
    std::string edited = editedText(std::string_view(text.data(), text.size()), section, edits, count);
    return encodeUtf16(edited, file, encoding);
}

std::string withProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value) {
    const ProfileEdit edit{key, value.data() ? value : std::string_view("")};
    return withProfileEdits(file, section, &edit, 1);
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    // Names mostly agree in case too: equal stretches of eight bytes are passed at once.
    size_t i = 0;
    for (; i + 8 <= a.size(); i += 8)
        if (std::memcmp(a.data() + i, b.data() + i, 8) != 0) break;
    for (; i < a.size(); ++i)
        if (a[i] != b[i] && lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}
