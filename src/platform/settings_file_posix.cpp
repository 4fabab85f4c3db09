// PLACEHOLDER: to be replaced by the real implementation.
#include "platform/settings_file.h"
const char* const settingsFilePath = "./Pelorin.ini";
bool settingsFileExists() { return false; }
bool readSettingsFileWriteTime(uint64_t*) { return false; }
bool readSettingsFileText(std::string*) { return false; }
bool writeSettingsValue(const char*, const char*, const char*) { return false; }
