#include "settings/profile_text.h"

#include <algorithm>

namespace {

// The whitespace the private-profile reader trims, with ^Z (an old DOS end of file).
bool isProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int compareIgnoringCase(std::string_view a, std::string_view b) {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        unsigned char x = static_cast<unsigned char>(lowerAscii(a[i]));
        unsigned char y = static_cast<unsigned char>(lowerAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareIgnoringCase(a, b) == 0;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isProfileSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isProfileSpace(s.back())) s.remove_suffix(1);
    return s;
}

// Where the lines start: after a UTF-8 byte-order mark, if any.
size_t textStart(std::string_view text) { return text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; }

// One line of the text: [begin, end) without its line feed; the next line
// starts at next. Lines end at LF; a remainder without any LF is split at CR,
// as the Win32 reader does for old Mac files.
struct Line {
    size_t begin;
    size_t end;
    size_t next;
};

Line lineAt(std::string_view text, size_t begin) {
    size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.find('\r', begin);
    if (end == std::string_view::npos) return Line{begin, text.size(), text.size()};
    return Line{begin, end, end + 1};
}

// "[name]" up to the last ']' of the trimmed line, the name trimmed.
bool sectionHeaderName(std::string_view line, std::string_view* name) {
    if (line.empty() || line.front() != '[') return false;
    size_t close = line.rfind(']');
    if (close == std::string_view::npos) return false;
    *name = trimmed(line.substr(1, close - 1));
    return true;
}

// key=value split at the first '=', both trimmed; a line without '=' is a key
// without a value (value.data() == nullptr).
ProfileSection::Entry entryOf(std::string_view line) {
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return ProfileSection::Entry{line, std::string_view()};
    return ProfileSection::Entry{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

// 0-9, then a/A = 10 up to z/Z = 35; 36 for any other character.
uint32_t digitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
    char lower = lowerAscii(c);
    if (lower >= 'a' && lower <= 'z') return static_cast<uint32_t>(lower - 'a' + 10);
    return 36;
}

// A value wholly enclosed in matching single or double quotes loses them.
std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

void parseProfileSection(std::string_view text, std::string_view section, ProfileSection* out) {
    out->entries.clear();
    out->sortedByKey.clear();
    std::string_view wanted = trimmed(section);
    bool inside = false;
    for (size_t at = textStart(text); at < text.size();) {
        Line line = lineAt(text, at);
        at = line.next;
        std::string_view content = trimmed(text.substr(line.begin, line.end - line.begin));
        if (content.empty()) continue;
        std::string_view name;
        if (sectionHeaderName(content, &name)) {
            // Only the first section of that name is ever read.
            if (inside) break;
            inside = equalIgnoringCase(name, wanted);
            continue;
        }
        if (!inside) continue;
        ProfileSection::Entry entry = entryOf(content);
        if (!entry.key.empty()) out->entries.push_back(entry);
    }
    for (uint32_t i = 0; i < out->entries.size(); ++i) out->sortedByKey.push_back(i);
    // Equal keys keep file order through the index tie-break, so a lookup finds
    // the first occurrence (std::sort, unlike stable_sort, allocates nothing).
    const std::vector<ProfileSection::Entry>& entries = out->entries;
    std::sort(out->sortedByKey.begin(), out->sortedByKey.end(), [&entries](uint32_t a, uint32_t b) {
        int order = compareIgnoringCase(entries[a].key, entries[b].key);
        return order < 0 || (order == 0 && a < b);
    });
}

bool findProfileValue(const ProfileSection& section, std::string_view key, std::string_view* value) {
    std::string_view wanted = trimmed(key);
    auto first = std::lower_bound(
        section.sortedByKey.begin(), section.sortedByKey.end(), wanted,
        [&section](uint32_t index, std::string_view k) { return compareIgnoringCase(section.entries[index].key, k) < 0; });
    if (first == section.sortedByKey.end()) return false;
    const ProfileSection::Entry& entry = section.entries[*first];
    // A first occurrence without '=' hides later ones and reads as missing.
    if (!equalIgnoringCase(entry.key, wanted) || entry.value.data() == nullptr) return false;
    *value = withoutQuotes(entry.value);
    return true;
}

uint32_t profileInt(const ProfileSection& section, std::string_view key, uint32_t fallback) {
    // The integer reader takes the value through a 30-character string buffer.
    char digits[30];
    size_t length = profileString(section, key, "", digits, sizeof digits);
    if (length == 0) return fallback;
    const char* p = digits;
    while (*p != '\0' && static_cast<unsigned char>(*p) <= ' ') ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    // Like the Windows reader, a "0x", "0o" or "0b" prefix selects base 16, 8 or 2.
    uint32_t base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'o' || p[1] == 'b')) {
        base = p[1] == 'x' ? 16 : p[1] == 'o' ? 8 : 2;
        p += 2;
    }
    uint32_t total = 0;
    for (; *p != '\0'; ++p) {
        uint32_t digit = digitValue(*p);
        if (digit >= base) break;
        total = total * base + digit;
    }
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

std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    std::string_view wantedSection = trimmed(section);
    std::string_view wantedKey = trimmed(key);
    std::string_view lineEnd = text.find("\r\n") != std::string_view::npos ? "\r\n"
                               : text.find('\n') != std::string_view::npos ? "\n"
                               : text.find('\r') != std::string_view::npos ? "\r"
                                                                            : "\r\n";
    std::string result(text);
    bool inside = false;  // in the first section of that name, which stays the last one seen
    size_t insertAt = 0;  // after the section's header or its last entry line
    for (size_t at = textStart(text); at < text.size();) {
        Line line = lineAt(text, at);
        at = line.next;
        std::string_view raw = text.substr(line.begin, line.end - line.begin);
        std::string_view content = trimmed(raw);
        if (content.empty()) continue;
        size_t contentBegin = line.begin + static_cast<size_t>(content.data() - raw.data());
        size_t contentEnd = contentBegin + content.size();
        std::string_view name;
        if (sectionHeaderName(content, &name)) {
            if (inside) break;
            inside = equalIgnoringCase(name, wantedSection);
            if (inside) insertAt = line.next;
            continue;
        }
        if (!inside) continue;
        if (content.front() != ';') insertAt = line.next;
        ProfileSection::Entry entry = entryOf(content);
        if (!equalIgnoringCase(entry.key, wantedKey)) continue;
        if (entry.value.data() == nullptr) {
            result.insert(contentEnd, std::string("=").append(value));
        } else {
            // The value runs from its first non-blank character after '=' to the
            // end of the line's content; an empty value sits right at that end.
            size_t valueBegin = entry.value.empty() ? contentEnd
                                                    : static_cast<size_t>(entry.value.data() - text.data());
            result.replace(valueBegin, contentEnd - valueBegin, value.data(), value.size());
        }
        return result;
    }
    std::string added;
    std::string_view lines = text.substr(textStart(text));
    bool lastLineOpen = !lines.empty() && lines.back() != '\n' && lines.back() != '\r';
    if (!inside) {
        insertAt = text.size();
        if (lastLineOpen) added.append(lineEnd);
        added.append("[").append(wantedSection).append("]").append(lineEnd);
        added.append(wantedKey).append("=").append(value).append(lineEnd);
    } else if (insertAt == text.size() && lastLineOpen) {
        added.append(lineEnd).append(wantedKey).append("=").append(value);
    } else {
        added.append(wantedKey).append("=").append(value).append(lineEnd);
    }
    result.insert(insertAt, added);
    return result;
}
