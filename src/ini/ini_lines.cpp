#include "ini/ini_lines.h"

#include <cstring>

namespace ini {

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

}  // namespace ini
