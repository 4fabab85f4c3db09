#include "settings/settings_file.h"

#include "platform/files.h"
#include "settings/profile_text.h"

// Relative to the game's current directory on every platform.
const char* const settingsFilePath = "Pelorin.ini";

bool settingsFileExists() { return fileExists(settingsFilePath); }

bool readSettingsFileWriteTime(uint64_t* writeTime) { return fileWriteTime(settingsFilePath, writeTime); }

bool readSettingsFileText(std::string* text, uint64_t* writeTime) {
    return readWholeFile(settingsFilePath, text, writeTime);
}

bool writeSettingsValue(const char* section, const char* key, const char* value, std::string* written) {
    std::string text;
    if (!readSettingsFileText(&text)) return false;
    *written = withProfileValue(text, section, key, value);
    return replaceFileContent(settingsFilePath, *written);
}
