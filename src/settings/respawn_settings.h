#pragma once
// The settings record: one field per key of section "Player_Respawn" of
// ".\Pelorin.ini", named exactly as the key, read in this order.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/profile_text.h"
#include "settings/settings_file.h"

struct RespawnSettings {
    int32_t random_player_respawns = 1;
    int32_t in_air_player_spawn_chance = 0;
    int32_t at_death_point_spawn_chance = 0;
    int32_t random_point_on_map_spawn_chance = 0;
    int32_t on_point_from_list_player_spawn_chance = 0;
    int32_t in_vehicle_on_road_player_spawn_chance = 0;
    int32_t player_skin_persists_death = 0;
    int32_t on_close_point_player_spawn_chance = 0;
    int32_t preferred_spawn_distance = 0;
    int32_t alter_spawn_after_mission = 0;
    float slow_motion_at_wasted_and_busted_screens = 0.0f;
    int32_t weapons_and_armor_settings_affecting_respawn_on_demand = 0;
    int32_t time_before_reset_skin = 0;
    float max_wait_time_before_respawn_upon_skin_exception = 0.0f;
    float first_wait_time = 0.0f;
    int32_t custom_spawn_chance = 0;
    int32_t number_of_custom_spawn_points_in_use = 0;
    int32_t get_all_weapons_upon_respawn = 0;
    int32_t get_full_armor_upon_respawn = 0;
    int32_t set_money_to_zero_upon_respawn_after_death = 0;
    int32_t use_respawn_on_demand_automatically = 0;
    int32_t min_heli_spawn_height_over_ground = 0;
    int32_t max_heli_spawn_height_over_ground = 0;
    int32_t min_plane_spawn_height_over_ground = 0;
    int32_t max_plane_spawn_height_over_ground = 0;
    int32_t land_vehicle_type = 0;
    int32_t air_vehicle_type = 0;
    int32_t respawn_on_demand_key_1_of_2 = 0;
    int32_t respawn_on_demand_key_2_of_2 = 0;
    bool activate_controller = false;
    int32_t respawn_on_demand_controller_button_1_of_2 = 0;
    int32_t respawn_on_demand_controller_button_2_of_2 = 0;
    int32_t player_ped_skin_upon_respawn = 3;
    int32_t wait_time_before_skin_change = 3000;
    int32_t set_skin_component_variation = 0;
    // 0 = no Pelorin.log; any other value (missing too) = the log is written.
    int32_t write_log_file = 1;
    // The chord that saves the current place as a custom spawn point; missing = off.
    int32_t save_spawn_point_key_1_of_2 = -1;
    int32_t save_spawn_point_key_2_of_2 = -1;
    // The chords that open and close the menu; a missing key or button = off.
    int32_t menu_key_1_of_2 = -1;
    int32_t menu_key_2_of_2 = -1;
    int32_t menu_controller_button_1_of_2 = -1;
    int32_t menu_controller_button_2_of_2 = -1;
};

extern RespawnSettings settings;
// The settings file's last-write time as last recorded (0 at load).
extern uint64_t settingsFileWriteTime;

// Reads every key into `settings` from one read of the file (one open, one
// parse, which also takes the file's write time), announcing a switch of
// "random_player_respawns"; false, with nothing changed, when the file is
// absent or cannot be read.
bool readSettings();
// The built-in values, for a game started without a settings file.
void applyBuiltInSettings();
// A float key of the section ("0" when missing), its first 31 characters read
// as a decimal number (decimalFloat: never infinite nor NaN). Reads the file
// afresh on every call.
float readFloatSetting(const char* key);
// For many keys from one read of the file (the custom spawn points): reads the
// file into text and parses section "Player_Respawn" into section; false when
// the file cannot be read (section left as it was). The section points into
// text; keep both alive together, and reuse them to avoid allocations.
bool readSettingsSection(ProfileSection* section, std::string* text);
// A float key of a section read by readSettingsSection, exactly as
// readFloatSetting reads it from the file.
float profileFloat(const ProfileSection& section, const char* key);
// The file's write time as readSettings last read it differs from the one
// recorded; records it. Opens nothing: call it after readSettings.
bool settingsFileChanged();
// Sets keys of section "Player_Respawn" in one atomic write of the file; true
// when written. The file's new write time is recorded, so that our own write is
// not taken for a change by the player.
bool writeSettingsKeys(const SettingsValue* values, size_t count);
// As writeSettingsKeys, with keys chosen from the file as it is at the moment
// of writing: choose gets section "Player_Respawn" of the file's text then
// (again after a fresh read when the player saved the file meanwhile) and
// returns the keys to set, none to write nothing. The keys' texts must
// outlive the call.
using SettingsKeysChoice = std::function<std::vector<SettingsValue>(const ProfileSection& section)>;
bool writeChosenSettingsKeys(const SettingsKeysChoice& choose);
// A change the player made in the game (the menu): written as
// writeSettingsKeys writes it, or, when the file cannot take it (read-only,
// locked), held so that every read of the settings sees it until the game
// closes or the player saves the file; the settings are read again either
// way. Without a settings file nothing changes.
enum class SettingsSave { Written, Held, NoFile };
SettingsSave saveSettingsKeys(const SettingsValue* values, size_t count);
// The section as the last read parsed it (with held changes), and a count
// that moves on whenever that text changes (a save by the player, our write).
const ProfileSection& settingsSectionAsRead();
uint32_t settingsTextVersion();
// Writes the model as "stored_last_used_skin" (signed decimal) when the file
// exists; true when it was written. The file's new write time is recorded, so
// that our own write is not taken for a change by the player.
bool writeStoredSkin(uint32_t model);
// "stored_last_used_skin" as the file holds it now (-1 when missing): read
// afresh, or, while the once-a-second check holds its read, from the text that
// readSettings read (the check opens and parses the file once).
uint32_t readStoredSkin();
void holdSettingsRead(bool hold);
