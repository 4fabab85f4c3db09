#pragma once
// The settings file ".\Pelorin.ini" in the game's current directory, as the
// platform sees it. Each call opens the file only for as long as it needs.
#include <cstdint>
#include <string>

extern const char* const settingsFilePath;

// A stat of the settings file succeeds.
bool settingsFileExists();
// The last-write time of the file (a 64-bit file time), opened for shared
// reading; false when the file cannot be opened.
bool readSettingsFileWriteTime(uint64_t* writeTime);
// The whole file into text (its previous content replaced); false when the
// file cannot be read.
bool readSettingsFileText(std::string* text);
// Writes key=value into the section with the platform's private-profile
// writer; false when nothing could be written.
bool writeSettingsValue(const char* section, const char* key, const char* value);
