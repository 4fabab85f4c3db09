#pragma once
// The settings file "Pelorin.ini" in the game's current directory: read whole,
// its write time, and one value written back by our own writer, which keeps
// the file's encoding and every other byte.
#include <cstdint>
#include <string>

extern const char* const settingsFilePath;

// The file is there (and is not a directory).
bool settingsFileExists();
bool readSettingsFileWriteTime(uint64_t* writeTime);
// The whole file into text (its previous content replaced) and, when given,
// its last-write time from the same open; false when the file cannot be read.
bool readSettingsFileText(std::string* text, uint64_t* writeTime = nullptr);
// Sets key=value in the section and replaces the file atomically; on success
// the new content is left in written. False when the file is missing,
// read-only, locked or could not be written: then it is as it was.
bool writeSettingsValue(const char* section, const char* key, const char* value, std::string* written);
