#pragma once
// A reference reader for the fuzz targets: the private-profile rules written
// out in the plainest way (each character looked at, keys searched one by
// one), with nothing shared with the plug-in's reader but the decoding of
// UTF-16. It is slow and obviously right; the fast reader must agree with it.
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "ini/ini_encoding.h"

namespace reference {

struct Entry {
    std::string key;
    std::string lowered;  // the key in lower case, as compared
    bool hasValue;
    std::string value;
};

inline bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

inline std::string trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && isSpace(s[b])) ++b;
    while (e > b && isSpace(s[e - 1])) --e;
    return s.substr(b, e - b);
}

inline std::string cString(const std::string& s) { return s.substr(0, s.find('\0')); }

inline std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The text of the file: UTF-16 decoded, a UTF-8 mark dropped.
inline std::string textOf(std::string_view file) {
    ProfileEncoding encoding = profileEncodingOf(file);
    std::string text(file);
    if (encoding != ProfileEncoding::Bytes) {
        std::vector<char> decoded;
        decodeUtf16(file, encoding, &decoded);
        text.assign(decoded.begin(), decoded.end());
    }
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    return text;
}

// Every entry of the first section of that name, in file order.
inline std::vector<Entry> sectionEntries(std::string_view file, const std::string& section) {
    std::string text = textOf(file);
    std::vector<std::string> lines;
    for (size_t at = 0;;) {
        size_t end = text.find_first_of("\r\n", at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + 1;
    }
    std::vector<Entry> entries;
    bool inside = false;
    for (const std::string& raw : lines) {
        std::string line = trim(raw);
        if (line.empty()) continue;
        size_t close = line.rfind(']');
        if (line[0] == '[' && close != std::string::npos) {
            if (inside) break;
            inside = lower(cString(trim(line.substr(1, close - 1)))) == lower(cString(trim(section)));
            continue;
        }
        if (!inside) continue;
        size_t equals = line.find('=');
        Entry entry;
        entry.hasValue = equals != std::string::npos;
        entry.key = cString(entry.hasValue ? trim(line.substr(0, equals)) : line);
        if (entry.hasValue) entry.value = cString(trim(line.substr(equals + 1)));
        entry.lowered = lower(entry.key);
        if (!entry.key.empty()) entries.push_back(entry);
    }
    return entries;
}

// As the string reader gives it: the first occurrence, quotes around the
// whole value removed; false when missing or without '='.
inline bool find(const std::vector<Entry>& entries, const std::string& key, std::string* value) {
    std::string wanted = lower(cString(trim(key)));
    for (const Entry& entry : entries) {
        if (entry.lowered != wanted) continue;
        if (!entry.hasValue) return false;
        *value = entry.value;
        if (value->size() >= 2 && ((*value)[0] == '"' || (*value)[0] == '\'') && value->back() == (*value)[0])
            *value = value->substr(1, value->size() - 2);
        return true;
    }
    return false;
}

}  // namespace reference
