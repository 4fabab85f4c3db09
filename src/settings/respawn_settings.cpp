// PLACEHOLDER: to be replaced by the real implementation.
#include "settings/respawn_settings.h"

bool readSettings() { return {}; }
void applyBuiltInSettings() {}
float readFloatSetting(const char* key) { return {}; }
bool settingsFileChanged() { return {}; }
void writeStoredSkin(uint32_t model) {}
uint32_t readStoredSkin() { return {}; }
RespawnSettings settings{};
uint64_t settingsFileWriteTime{};
