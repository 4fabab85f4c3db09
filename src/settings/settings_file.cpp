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

bool writeSettingsValues(const char* section, const SettingsValue* values, size_t count, std::string* written) {
    if (!readSettingsFileText(written)) return false;
    for (size_t i = 0; i < count; ++i) *written = withProfileValue(*written, section, values[i].key, values[i].value);
    return replaceFileContent(settingsFilePath, *written);
}
