#include "settings/settings_file.h"

#include "platform/files.h"
#include "settings/profile_text.h"

// Relative to the game's current directory on every platform.
const char* const settingsFilePath = "Pelorin.ini";

bool settingsFileExists() { return fileExists(settingsFilePath); }

bool readSettingsFileWriteTime(uint64_t* writeTime) { return fileWriteTime(settingsFilePath, writeTime); }

bool readSettingsFileText(std::string* text) { return readWholeFile(settingsFilePath, text); }

bool writeSettingsValue(const char* section, const char* key, const char* value) {
    std::string text;
    if (!readSettingsFileText(&text)) return false;
    return replaceFileContent(settingsFilePath, withProfileValue(text, section, key, value));
}

bool writeSettingsValues(const char* section, const SettingsValue* values, size_t count) {
    std::string text;
    if (!readSettingsFileText(&text)) return false;
    for (size_t i = 0; i < count; ++i) text = withProfileValue(text, section, values[i].key, values[i].value);
    return replaceFileContent(settingsFilePath, text);
}
