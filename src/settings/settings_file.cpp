#include "settings/settings_file.h"

#include <vector>

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
    *written = withSettingsValues(*written, section, values, count);
    return replaceFileContent(settingsFilePath, *written);
}

std::string withSettingsValues(std::string_view text, const char* section, const SettingsValue* values, size_t count) {
    std::vector<ProfileEdit> edits(count);
    for (size_t i = 0; i < count; ++i)
        edits[i] = ProfileEdit{values[i].key, values[i].value ? std::string_view(values[i].value) : std::string_view()};
    return withProfileEdits(text, section, edits.data(), count);
}
