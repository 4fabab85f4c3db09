#include "settings/respawn_settings.h"

#include <cstdio>

#include "settings/notifications.h"
#include "settings/settings_log.h"
#include "shared/event_log.h"
#include "settings/settings_file.h"

RespawnSettings settings{};
uint64_t settingsFileWriteTime = 0;

namespace {

// "stored_last_used_skin" when the file lacks it.
constexpr uint32_t missingStoredSkin =
    static_cast<uint32_t>(static_cast<int32_t>(settingKey(SettingId::stored_last_used_skin).missing));

// The periodic reload keeps the file's text, its parsed section and its write
// time here, so that once they have grown to the file's size a reload
// allocates nothing.
std::string settingsText;
ProfileSection settingsSection;
// Each check reads the file here first; only a text that differs from the
// last one is parsed again (most seconds the file is unchanged, and parsing a
// file of many custom points is what costs).
std::string freshText;
uint64_t settingsTextWriteTime = 0;
bool settingsTextRead = false;  // settingsTextWriteTime holds a read's time
bool settingsReadHeld = false;
// The same for the single-key reads of one value from the file.
std::string singleKeyText;
ProfileSection singleKeySection;

// Announces a switch of the alternative respawn: to 0 is a deactivation; a
// change between values below 1 and others (other than to 0) an activation.
void announceRespawnSwitch(int32_t oldValue, int32_t newValue) {
    if (newValue == oldValue) return;
    if (newValue == 0) {
        showNotification("Alternative Respawn Deactivated");
    } else if (oldValue < 1 || newValue < 1) {
        showNotification("Alternative Respawn Activated");
    }
}

}  // namespace

bool readSettingsSection(ProfileSection* section, std::string* text) {
    if (!readSettingsFileText(text)) return false;
    parseProfileSection(*text, settingsSectionName, section);
    return true;
}

bool readSettings() {
    // A file that is absent, or cannot be read at the moment, leaves every value as it was.
    bool parsed = settingsTextRead;
    settingsTextRead = readSettingsFileText(&freshText, &settingsTextWriteTime);
    if (!settingsTextRead) return logSettingsReadFailure();
    if (!parsed || freshText != settingsText) {
        settingsText.swap(freshText);
        parseSettingsAndLogProblems(settingsText, &settingsSection);
    }
    RespawnSettings read = settingsFromSection(settingsSection);
    announceRespawnSwitch(settings.random_player_respawns, read.random_player_respawns);
    settings = read;
    return true;
}

void applyBuiltInSettings() {
    // "player_ped_skin_upon_respawn" and "wait_time_before_skin_change" keep
    // their values, which at start are their built-in ones.
    RespawnSettings builtIn;
    builtIn.player_ped_skin_upon_respawn = settings.player_ped_skin_upon_respawn;
    builtIn.wait_time_before_skin_change = settings.wait_time_before_skin_change;
    settings = builtIn;
}

float readFloatSetting(const char* key) {
    if (!readSettingsSection(&singleKeySection, &singleKeyText)) return 0.0f;  // the default "0"
    return profileFloat(singleKeySection, key, 0.0f);
}

bool settingsFileChanged() {
    if (!settingsTextRead || settingsTextWriteTime == settingsFileWriteTime) return false;
    settingsFileWriteTime = settingsTextWriteTime;
    return true;
}

bool writeSettingsKeys(const SettingsValue* values, size_t count) {
    std::string written;
    if (!writeSettingsValues(settingsSectionName, values, count, &written)) return false;
    // The file as we wrote it is the file as last read, with its new write time
    // recorded as seen: our own write is not announced as a change, while a
    // save by the player after it still is.
    uint64_t writeTime = 0;
    if (readSettingsFileWriteTime(&writeTime)) {
        settingsText.swap(written);
        parseProfileSection(settingsText, settingsSectionName, &settingsSection);
        settingsTextWriteTime = settingsFileWriteTime = writeTime;
        settingsTextRead = true;
    }
    return true;
}

bool writeStoredSkin(uint32_t model) {
    if (!settingsFileExists()) return false;
    char value[16];
    std::snprintf(value, sizeof value, "%ld", static_cast<long>(static_cast<int32_t>(model)));
    const SettingsValue stored{"stored_last_used_skin", value};
    return writeSettingsKeys(&stored, 1);
}

uint32_t readStoredSkin() {
    if (settingsReadHeld && settingsTextRead)
        return profileInt(settingsSection, "stored_last_used_skin", missingStoredSkin);
    if (!readSettingsSection(&singleKeySection, &singleKeyText)) return missingStoredSkin;
    return profileInt(singleKeySection, "stored_last_used_skin", missingStoredSkin);
}

void holdSettingsRead(bool hold) { settingsReadHeld = hold; }
