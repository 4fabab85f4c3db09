#pragma once
// The settings file "Pelorin.ini" in the game's current directory: read whole,
// its write time, and one value written back by our own writer, which keeps
// every other byte of the file.
#include <cstdint>
#include <cstddef>
#include <string>

extern const char* const settingsFilePath;

bool settingsFileExists();
bool readSettingsFileWriteTime(uint64_t* writeTime);
// The whole file into text (its previous content replaced); false when the
// file cannot be read.
bool readSettingsFileText(std::string* text);
// Sets key=value in the section and replaces the file atomically; false when
// the file is missing, read-only or could not be written.
bool writeSettingsValue(const char* section, const char* key, const char* value);
// Several keys of the section set in one atomic replace, so that they land
// together or not at all; false as writeSettingsValue.
struct SettingsValue {
    const char* key;
    const char* value;
};
bool writeSettingsValues(const char* section, const SettingsValue* values, size_t count);
