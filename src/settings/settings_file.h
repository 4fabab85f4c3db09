#pragma once
// The settings file "Pelorin.ini" in the game's current directory: read whole,
// its write time, and one value written back by our own writer, which keeps
// the file's encoding and every other byte.
#include <cstdint>
#include <cstddef>
#include <string>
#include <string_view>

extern const char* const settingsFilePath;

// The file is there (and is not a directory).
bool settingsFileExists();
bool readSettingsFileWriteTime(uint64_t* writeTime);
// The whole file into text (its previous content replaced) and, when given,
// its last-write time from the same open; false when the file cannot be read.
bool readSettingsFileText(std::string* text, uint64_t* writeTime = nullptr);
// Keys of the section set (or, with a value of nullptr, removed) in one atomic
// replace, so that they land together or not at all; on success the new
// content is left in written. False when the file is missing, read-only,
// locked or could not be written: then it is as it was.
struct SettingsValue {
    const char* key;
    const char* value;
};
bool writeSettingsValues(const char* section, const SettingsValue* values, size_t count, std::string* written);
// The same change made to a text rather than the file.
std::string withSettingsValues(std::string_view text, const char* section, const SettingsValue* values, size_t count);
