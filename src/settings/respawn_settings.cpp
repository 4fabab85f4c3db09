#include "settings/respawn_settings.h"

#include <cstdio>

#include "settings/decimal_float.h"
#include "settings/held_settings.h"
#include "settings/notifications.h"
#include "settings/settings_log.h"
#include "shared/event_log.h"
#include "settings/settings_file.h"

RespawnSettings settings{};
uint64_t settingsFileWriteTime = 0;

namespace {

const char* const settingsSectionName = "Player_Respawn";
constexpr uint32_t missingInt = 0xFFFFFFFFu;  // -1

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
uint32_t settingsTextChanges = 0;
bool settingsReadHeld = false;
// The same for the single-key reads of one value from the file.
std::string singleKeyText;
ProfileSection singleKeySection;

int32_t intSetting(const ProfileSection& section, const char* key) {
    return static_cast<int32_t>(profileInt(section, key, missingInt));
}

float floatFromIntSetting(const ProfileSection& section, const char* key) {
    return static_cast<float>(intSetting(section, key));
}

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

// The file's text is the one the last read took (with the changes held
// from it made again).
bool sameAsLastRead(const std::string& fileText) {
    if (!anySettingsHeld()) return fileText == settingsText;
    std::string withHeld = fileText;
    applyHeldSettings(settingsSectionName, &withHeld);
    return withHeld == settingsText;
}

// The file as we wrote it is the file as last read, with its new write time
// recorded as seen: our own write is not announced as a change, while a save
// by the player after it still is. (A write that merged our keys into a save
// of the player's that the last read had not seen is left to the next check,
// which announces his save.)
void recordOwnWrite(std::string* written) {
    uint64_t writeTime = 0;
    if (!readSettingsFileWriteTime(&writeTime)) return;
    applyHeldSettings(settingsSectionName, written);
    settingsText.swap(*written);
    parseProfileSection(settingsText, settingsSectionName, &settingsSection);
    ++settingsTextChanges;
    settingsTextWriteTime = settingsFileWriteTime = writeTime;
    settingsTextRead = true;
}

}  // namespace

bool readSettingsSection(ProfileSection* section, std::string* text) {
    if (!readSettingsFileText(text)) return false;
    applyHeldSettings(settingsSectionName, text);
    parseProfileSection(*text, settingsSectionName, section);
    return true;
}

float profileFloat(const ProfileSection& section, const char* key) {
    char text[32];
    profileString(section, key, "0", text, sizeof text);
    return decimalFloat(text);
}

bool readSettings() {
    // A file that is absent, or cannot be read at the moment, leaves every value as it was.
    bool parsed = settingsTextRead;
    settingsTextRead = readSettingsFileText(&freshText, &settingsTextWriteTime);
    if (!settingsTextRead) return logSettingsReadFailure();
    // A save by the player decides over the changes we could not write.
    if (settingsFileWriteTime != 0 && settingsTextWriteTime != settingsFileWriteTime) dropHeldSettings();
    applyHeldSettings(settingsSectionName, &freshText);
    if (!parsed || freshText != settingsText) {
        settingsText.swap(freshText);
        parseProfileSection(settingsText, settingsSectionName, &settingsSection);
        ++settingsTextChanges;
        logSettingsReadFindings(settingsText);
    }
    const ProfileSection& s = settingsSection;
    RespawnSettings& r = settings;
    int32_t randomPlayerRespawns = intSetting(s, "random_player_respawns");
    announceRespawnSwitch(r.random_player_respawns, randomPlayerRespawns);
    r.random_player_respawns = randomPlayerRespawns;
    r.in_air_player_spawn_chance = intSetting(s, "in_air_player_spawn_chance");
    r.at_death_point_spawn_chance = intSetting(s, "at_death_point_spawn_chance");
    r.random_point_on_map_spawn_chance = intSetting(s, "random_point_on_map_spawn_chance");
    r.on_point_from_list_player_spawn_chance = intSetting(s, "on_point_from_list_player_spawn_chance");
    r.in_vehicle_on_road_player_spawn_chance = intSetting(s, "in_vehicle_on_road_player_spawn_chance");
    r.player_skin_persists_death = intSetting(s, "player_skin_persists_death");
    r.on_close_point_player_spawn_chance = intSetting(s, "on_close_point_player_spawn_chance");
    r.preferred_spawn_distance = intSetting(s, "preferred_spawn_distance");
    r.alter_spawn_after_mission = intSetting(s, "alter_spawn_after_mission");
    r.slow_motion_at_wasted_and_busted_screens = profileFloat(s, "slow_motion_at_wasted_and_busted_screens");
    r.weapons_and_armor_settings_affecting_respawn_on_demand =
        intSetting(s, "weapons_and_armor_settings_affecting_respawn_on_demand");
    r.time_before_reset_skin = intSetting(s, "time_before_reset_skin");
    r.max_wait_time_before_respawn_upon_skin_exception =
        floatFromIntSetting(s, "max_wait_time_before_respawn_upon_skin_exception");
    r.first_wait_time = floatFromIntSetting(s, "first_wait_time");
    r.custom_spawn_chance = intSetting(s, "custom_spawn_chance");
    r.number_of_custom_spawn_points_in_use = intSetting(s, "number_of_custom_spawn_points_in_use");
    r.get_all_weapons_upon_respawn = intSetting(s, "get_all_weapons_upon_respawn");
    r.get_full_armor_upon_respawn = intSetting(s, "get_full_armor_upon_respawn");
    r.set_money_to_zero_upon_respawn_after_death = intSetting(s, "set_money_to_zero_upon_respawn_after_death");
    r.use_respawn_on_demand_automatically = intSetting(s, "use_respawn_on_demand_automatically");
    r.min_heli_spawn_height_over_ground = intSetting(s, "min_heli_spawn_height_over_ground");
    r.max_heli_spawn_height_over_ground = intSetting(s, "max_heli_spawn_height_over_ground");
    r.min_plane_spawn_height_over_ground = intSetting(s, "min_plane_spawn_height_over_ground");
    r.max_plane_spawn_height_over_ground = intSetting(s, "max_plane_spawn_height_over_ground");
    r.land_vehicle_type = intSetting(s, "land_vehicle_type");
    r.air_vehicle_type = intSetting(s, "air_vehicle_type");
    r.respawn_on_demand_key_1_of_2 = intSetting(s, "respawn_on_demand_key_1_of_2");
    r.respawn_on_demand_key_2_of_2 = intSetting(s, "respawn_on_demand_key_2_of_2");
    r.activate_controller = intSetting(s, "activate_controller") > 0;
    r.respawn_on_demand_controller_button_1_of_2 = intSetting(s, "respawn_on_demand_controller_button_1_of_2");
    r.respawn_on_demand_controller_button_2_of_2 = intSetting(s, "respawn_on_demand_controller_button_2_of_2");
    r.player_ped_skin_upon_respawn = intSetting(s, "player_ped_skin_upon_respawn");
    r.wait_time_before_skin_change = intSetting(s, "wait_time_before_skin_change");
    r.set_skin_component_variation = intSetting(s, "set_skin_component_variation");
    r.write_log_file = intSetting(s, "write_log_file");
    r.save_spawn_point_key_1_of_2 = intSetting(s, "save_spawn_point_key_1_of_2");
    r.save_spawn_point_key_2_of_2 = intSetting(s, "save_spawn_point_key_2_of_2");
    r.menu_key_1_of_2 = intSetting(s, "menu_key_1_of_2");
    r.menu_key_2_of_2 = intSetting(s, "menu_key_2_of_2");
    r.menu_controller_button_1_of_2 = intSetting(s, "menu_controller_button_1_of_2");
    r.menu_controller_button_2_of_2 = intSetting(s, "menu_controller_button_2_of_2");
    return true;
}

void applyBuiltInSettings() {
    // "player_ped_skin_upon_respawn" and "wait_time_before_skin_change" keep
    // their initial values, which are their built-in ones.
    RespawnSettings& r = settings;
    r.random_player_respawns = 1;
    r.in_air_player_spawn_chance = 20;
    r.at_death_point_spawn_chance = 0;
    r.random_point_on_map_spawn_chance = 10;
    r.on_point_from_list_player_spawn_chance = 40;
    r.in_vehicle_on_road_player_spawn_chance = 30;
    r.player_skin_persists_death = 1;
    r.on_close_point_player_spawn_chance = 100;
    r.preferred_spawn_distance = 120;
    r.alter_spawn_after_mission = 0;
    r.slow_motion_at_wasted_and_busted_screens = 0.8f;
    r.weapons_and_armor_settings_affecting_respawn_on_demand = 1;
    r.time_before_reset_skin = 0;
    r.max_wait_time_before_respawn_upon_skin_exception = 20000.0f;
    r.first_wait_time = 5500.0f;
    r.custom_spawn_chance = 0;
    r.number_of_custom_spawn_points_in_use = 0;
    r.get_all_weapons_upon_respawn = 0;
    r.get_full_armor_upon_respawn = 0;
    r.set_money_to_zero_upon_respawn_after_death = 0;
    r.use_respawn_on_demand_automatically = 1;
    r.min_heli_spawn_height_over_ground = 200;
    r.max_heli_spawn_height_over_ground = 350;
    r.min_plane_spawn_height_over_ground = 300;
    r.max_plane_spawn_height_over_ground = 450;
    r.land_vehicle_type = 1;
    r.air_vehicle_type = 1;
    r.respawn_on_demand_key_1_of_2 = 17;
    r.respawn_on_demand_key_2_of_2 = 75;
    r.activate_controller = false;
    r.respawn_on_demand_controller_button_1_of_2 = 44;
    r.respawn_on_demand_controller_button_2_of_2 = 18;
    r.set_skin_component_variation = 1;
    r.write_log_file = 1;
    r.save_spawn_point_key_1_of_2 = 17;
    r.save_spawn_point_key_2_of_2 = 76;
    r.menu_key_1_of_2 = 17;
    r.menu_key_2_of_2 = 118;
    r.menu_controller_button_1_of_2 = -1;
    r.menu_controller_button_2_of_2 = -1;
}

float readFloatSetting(const char* key) {
    if (!readSettingsSection(&singleKeySection, &singleKeyText)) return 0.0f;  // the default "0"
    return profileFloat(singleKeySection, key);
}

bool settingsFileChanged() {
    if (!settingsTextRead || settingsTextWriteTime == settingsFileWriteTime) return false;
    settingsFileWriteTime = settingsTextWriteTime;
    return true;
}

bool writeSettingsKeys(const SettingsValue* values, size_t count) {
    return writeChosenSettingsKeys(
        [&](const ProfileSection&) { return std::vector<SettingsValue>(values, values + count); });
}

bool writeChosenSettingsKeys(const SettingsKeysChoice& choose) {
    ProfileSection section;
    std::string written;
    std::vector<SettingsValue> chosen;
    bool basedOnLastRead = false;
    auto edit = [&](std::string* text) {
        basedOnLastRead = settingsTextRead && sameAsLastRead(*text);
        parseProfileSection(*text, settingsSectionName, &section);
        chosen = choose(section);
        *text = withSettingsValues(*text, settingsSectionName, chosen.data(), chosen.size());
        return !chosen.empty();
    };
    if (!editSettingsFile(edit, &written)) return false;
    releaseHeldSettings(chosen.data(), chosen.size());
    if (basedOnLastRead) recordOwnWrite(&written);
    return true;
}

SettingsSave saveSettingsKeys(const SettingsValue* values, size_t count) {
    if (!settingsFileExists()) return SettingsSave::NoFile;
    SettingsSave save = SettingsSave::Written;
    if (!writeSettingsKeys(values, count)) {
        holdSettings(values, count);
        save = SettingsSave::Held;
    }
    readSettings();
    return save;
}

const ProfileSection& settingsSectionAsRead() { return settingsSection; }

uint32_t settingsTextVersion() { return settingsTextChanges; }

bool writeStoredSkin(uint32_t model) {
    if (!settingsFileExists()) return false;
    char value[16];
    std::snprintf(value, sizeof value, "%ld", static_cast<long>(static_cast<int32_t>(model)));
    const SettingsValue stored{"stored_last_used_skin", value};
    return writeSettingsKeys(&stored, 1);
}

uint32_t readStoredSkin() {
    if (settingsReadHeld && settingsTextRead)
        return profileInt(settingsSection, "stored_last_used_skin", missingInt);
    if (!readSettingsSection(&singleKeySection, &singleKeyText)) return missingInt;
    return profileInt(singleKeySection, "stored_last_used_skin", missingInt);
}

void holdSettingsRead(bool hold) { settingsReadHeld = hold; }
