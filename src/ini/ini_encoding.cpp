#include "ini/ini_encoding.h"

#include <cstdint>

namespace {

const std::string_view utf16Mark = "\xFF\xFE";
const std::string_view utf16BigEndianMark = "\xFE\xFF";

bool bigEndian(ProfileEncoding encoding) { return encoding == ProfileEncoding::Utf16BigEndianWithMark; }

uint32_t unitAt(std::string_view file, size_t at, ProfileEncoding encoding) {
    uint32_t first = static_cast<unsigned char>(file[at]);
    uint32_t second = static_cast<unsigned char>(file[at + 1]);
    return bigEndian(encoding) ? first << 8 | second : second << 8 | first;
}

void appendUtf8(uint32_t code, std::vector<char>* text) {
    auto put = [text](uint32_t byte) { text->push_back(static_cast<char>(byte)); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | code >> 6);
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | code >> 12);
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | code >> 18);
        put(0x80 | (code >> 12 & 0x3F));
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

void appendUnit(uint32_t unit, ProfileEncoding encoding, std::string* file) {
    char low = static_cast<char>(unit & 0xFF);
    char high = static_cast<char>(unit >> 8);
    file->push_back(bigEndian(encoding) ? high : low);
    file->push_back(bigEndian(encoding) ? low : high);
}

}  // namespace

ProfileEncoding profileEncodingOf(std::string_view file) {
    if (file.substr(0, 2) == utf16Mark) return ProfileEncoding::Utf16WithMark;
    if (file.substr(0, 2) == utf16BigEndianMark) return ProfileEncoding::Utf16BigEndianWithMark;
    if (file.size() >= 2 && file[0] != '\0' && file[1] == '\0') return ProfileEncoding::Utf16WithoutMark;
    return ProfileEncoding::Bytes;
}

void decodeUtf16(std::string_view file, ProfileEncoding encoding, std::vector<char>* text) {
    text->clear();
    size_t at = encoding == ProfileEncoding::Utf16WithoutMark ? 0 : 2;
    while (at + 1 < file.size()) {
        uint32_t unit = unitAt(file, at, encoding);
        at += 2;
        if (unit >= 0xD800 && unit < 0xDC00 && at + 1 < file.size()) {
            uint32_t low = unitAt(file, at, encoding);
            if (low >= 0xDC00 && low < 0xE000) {
                at += 2;
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            }
        }
        appendUtf8(unit, text);
    }
}

std::string encodeUtf16(std::string_view text, std::string_view originalFile, ProfileEncoding encoding) {
    std::string file;
    file.reserve(text.size() * 2 + 3);
    if (encoding != ProfileEncoding::Utf16WithoutMark) file.append(originalFile.substr(0, 2));
    for (size_t at = 0; at < text.size();) {
        uint32_t lead = static_cast<unsigned char>(text[at]);
        size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        uint32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (size_t i = 1; i < length && at + i < text.size(); ++i)
            code = code << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        at += length;
        if (code >= 0x10000) {
            appendUnit(0xD800 + ((code - 0x10000) >> 10), encoding, &file);
            appendUnit(0xDC00 + ((code - 0x10000) & 0x3FF), encoding, &file);
        } else {
            appendUnit(code, encoding, &file);
        }
    }
    if (originalFile.size() % 2 != 0) file.push_back(originalFile.back());
    return file;
}
