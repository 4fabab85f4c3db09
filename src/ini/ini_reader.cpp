#include "ini/ini_reader.h"

#include <algorithm>
#include <cstring>

#include "ini/ini_encoding.h"
#include "ini/ini_lines.h"

using namespace ini;

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

// 0-9, then a/A = 10 up to z/Z = 35; 36 for any other character.
uint32_t digitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
    char lower = lowerAscii(c);
    if (lower >= 'a' && lower <= 'z') return static_cast<uint32_t>(lower - 'a' + 10);
    return 36;
}

// The first occurrence of each key, in an open-addressed table twice the
// size of the entries or more (of indexSizeFor), entries from to to at a
// time, in file order. The table of a large file does not fit the processor's
// caches: the hashes are taken some entries ahead and their slots fetched
// early, so that the waits for memory overlap.
size_t indexSizeFor(const ProfileSection& section) {
    size_t size = 16;
    while (size < 2 * section.entries.size()) size *= 2;
    return size;
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
        // Emptied, then filled in the steps: the first fill of a large table
        // touches fresh pages.
        indexSize_ = indexSizeFor(*out_);
        out_->index.clear();
        out_->index.reserve(indexSize_);
        phase_ = Phase::Indexing;
        budget -= std::min(budget, at_ - begin);
    }
    if (phase_ == Phase::Indexing && out_->index.size() < indexSize_) {
        // Filling a slot costs about as much as walking half a byte.
        const size_t filled = std::min(indexSize_ - out_->index.size(), std::max<size_t>(budget, 1) * 2);
        out_->index.resize(out_->index.size() + filled, 0);
        budget -= std::min(budget, filled / 2);
        if (out_->index.size() < indexSize_ || budget == 0) return false;
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
