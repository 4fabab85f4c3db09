#include "tests/support/plugin_state.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/keyboard.h"
#include "host/library_entry.h"
#include "plugin/frame_loop.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "shared/table_random.h"
#include "settings/held_settings.h"
#include "settings/respawn_settings.h"
#include "settings/settings_log.h"
#include "shared/event_log.h"
#include "sim/script_host.h"
#include "sim/soak_file_faults.h"

#ifndef PELORIN_SOURCE_DIR
#define PELORIN_SOURCE_DIR "."
#endif

namespace testing_support {
namespace {

std::string directory;

// The plug-in's globals as they are when the library has just been loaded.
void resetPluginGlobals() {
    playerState = PlayerState{};
    settings = RespawnSettings{};
    settingsFileWriteTime = 0;
    dropHeldSettings();
    for (KeyState& key : keyStates) {
        key.messageTime = 0;
        key.released = 0;
        key.presses = 0;
    }
    seedTableRandom(1);
    resetEventLog();
    forgetSettingsProblems();
}

void makeGameDirectory() {
    if (directory.empty()) {
        char pattern[] = "/tmp/pelorin-game-XXXXXX";
        char* made = mkdtemp(pattern);
        if (!made) std::abort();
        directory = made;
    }
    // Empty: no file, link, folder or leftover of an earlier game stays.
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(directory))
        std::filesystem::remove_all(entry.path());
    if (chdir(directory.c_str()) != 0) std::abort();
}

}  // namespace

sim::World& loadPlugin() {
    sim::stopScript();
    sim::soak::disarmSaveDuringRead();
    sim::World& world = sim::resetWorld();
    makeGameDirectory();
    resetPluginGlobals();
    onLibraryAttach(nullptr);
    return world;
}

const std::string& gameDirectory() { return directory; }

void writeSettingsFile(const std::string& text) {
    std::ofstream(directory + "/Pelorin.ini", std::ios::binary) << text;
}

void removeSettingsFile() { std::remove((directory + "/Pelorin.ini").c_str()); }

std::string shippedSettingsText() {
    std::ifstream in(std::string(PELORIN_SOURCE_DIR) + "/dist/Pelorin.ini", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string builtInSettingsText(const std::string& extraLines) {
    return "[Player_Respawn]\n"
           "random_player_respawns=1\n"
           "in_air_player_spawn_chance=20\n"
           "at_death_point_spawn_chance=0\n"
           "random_point_on_map_spawn_chance=10\n"
           "on_point_from_list_player_spawn_chance=40\n"
           "in_vehicle_on_road_player_spawn_chance=30\n"
           "player_skin_persists_death=1\n"
           "on_close_point_player_spawn_chance=100\n"
           "preferred_spawn_distance=120\n"
           "alter_spawn_after_mission=0\n"
           "slow_motion_at_wasted_and_busted_screens=0.8\n"
           "weapons_and_armor_settings_affecting_respawn_on_demand=1\n"
           "time_before_reset_skin=0\n"
           "max_wait_time_before_respawn_upon_skin_exception=20000\n"
           "first_wait_time=5500\n"
           "custom_spawn_chance=0\n"
           "number_of_custom_spawn_points_in_use=0\n"
           "get_all_weapons_upon_respawn=0\n"
           "get_full_armor_upon_respawn=0\n"
           "set_money_to_zero_upon_respawn_after_death=0\n"
           "use_respawn_on_demand_automatically=1\n"
           "min_heli_spawn_height_over_ground=200\n"
           "max_heli_spawn_height_over_ground=350\n"
           "min_plane_spawn_height_over_ground=300\n"
           "max_plane_spawn_height_over_ground=450\n"
           "land_vehicle_type=1\n"
           "air_vehicle_type=1\n"
           "respawn_on_demand_key_1_of_2=17\n"
           "respawn_on_demand_key_2_of_2=75\n"
           "activate_controller=0\n"
           "respawn_on_demand_controller_button_1_of_2=44\n"
           "respawn_on_demand_controller_button_2_of_2=18\n"
           "player_ped_skin_upon_respawn=3\n"
           "wait_time_before_skin_change=3000\n"
           "set_skin_component_variation=1\n"
           "write_log_file=1\n"
           "save_spawn_point_key_1_of_2=17\n"
           "save_spawn_point_key_2_of_2=76\n"
           "menu_key_1_of_2=17\n"
           "menu_key_2_of_2=118\n" +
           extraLines;
}

std::string withSetting(std::string text, const std::string& key, const std::string& value) {
    size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return text + key + "=" + value + "\n";
    size_t end = text.find('\n', at + 1);
    return text.replace(at + 1, end - at - 1, key + "=" + value);
}

std::string builtInSettingsWith(const std::vector<Setting>& changes) {
    std::string text = builtInSettingsText();
    for (const Setting& change : changes) text = withSetting(text, change.first, change.second);
    return text;
}

sim::World& gameStartedWith(const std::string& settingsText) {
    sim::World& w = loadPlugin();
    writeSettingsFile(settingsText);
    sim::startScript();
    sim::runFor(2000);
    return w;
}

}  // namespace testing_support
