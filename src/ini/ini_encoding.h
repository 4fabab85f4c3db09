#pragma once
// The encodings a settings file is saved in. Editors save it as bytes (ANSI or
// UTF-8, with or without a UTF-8 byte-order mark) or as "Unicode": UTF-16LE,
// normally with its byte-order mark FF FE, which the Win32 profile functions
// read and write, or UTF-16BE with its mark FE FF. UTF-16LE without the mark
// is recognised too (a first character below U+0100, as '[' or ';' is): the
// Win32 reader would read such a file as empty, and a file the player can edit
// should not silently read so.
//
// UTF-16 text is handled as UTF-8 (unpaired surrogates kept as three-byte
// sequences), so the reader and writer see one kind of text, and an edit made
// to that text encodes back to exactly the original units everywhere else.
#include <string>
#include <string_view>
#include <vector>

enum class ProfileEncoding { Bytes, Utf16WithMark, Utf16WithoutMark, Utf16BigEndianWithMark };

ProfileEncoding profileEncodingOf(std::string_view file);
// The file's UTF-16 text as UTF-8 into text (previous content replaced, its
// storage reused; a vector, so that views into it survive a move); an odd
// last byte is not part of it.
void decodeUtf16(std::string_view file, ProfileEncoding encoding, std::vector<char>* text);
// The text encoded back as the file was: the mark if it had one, the UTF-16
// units, and the file's odd last byte if it had one.
std::string encodeUtf16(std::string_view text, std::string_view originalFile, ProfileEncoding encoding);
