#include "sim/soak_settings.h"

#include <map>
#include <sstream>

namespace sim::soak {
namespace {

// The valid range of each integer key, as dist/Pelorin.ini documents it.
struct IntegerKey {
    const char* name;
    int low, high;
};

const IntegerKey integerKeys[] = {
    {"random_player_respawns", 0, 1},
    {"in_air_player_spawn_chance", 0, 100},
    {"at_death_point_spawn_chance", 0, 100},
    {"random_point_on_map_spawn_chance", 0, 100},
    {"on_point_from_list_player_spawn_chance", 0, 100},
    {"in_vehicle_on_road_player_spawn_chance", 0, 100},
    {"player_skin_persists_death", 0, 1},
    {"on_close_point_player_spawn_chance", 0, 100},
    {"preferred_spawn_distance", 0, 1000},
    {"alter_spawn_after_mission", 0, 1},
    {"weapons_and_armor_settings_affecting_respawn_on_demand", 0, 4},
    {"time_before_reset_skin", 0, 20000},
    {"max_wait_time_before_respawn_upon_skin_exception", 5000, 60000},
    {"first_wait_time", 0, 10000},
    {"custom_spawn_chance", 0, 100},
    {"number_of_custom_spawn_points_in_use", 0, 4},
    {"get_all_weapons_upon_respawn", 0, 5},
    {"get_full_armor_upon_respawn", 0, 4},
    {"set_money_to_zero_upon_respawn_after_death", 0, 1},
    {"use_respawn_on_demand_automatically", 0, 1},
    {"min_heli_spawn_height_over_ground", 20, 400},
    {"max_heli_spawn_height_over_ground", 20, 600},
    {"min_plane_spawn_height_over_ground", 50, 500},
    {"max_plane_spawn_height_over_ground", 50, 800},
    {"land_vehicle_type", 0, 12},
    {"air_vehicle_type", 0, 5},
    {"respawn_on_demand_key_1_of_2", 17, 17},
    {"respawn_on_demand_key_2_of_2", 75, 75},
    {"activate_controller", 0, 1},
    {"respawn_on_demand_controller_button_1_of_2", 44, 44},
    {"respawn_on_demand_controller_button_2_of_2", 18, 18},
    {"player_ped_skin_upon_respawn", 0, 3},
    {"wait_time_before_skin_change", 0, 10000},
    {"set_skin_component_variation", 0, 1},
};

const char* const slowMotionKey = "slow_motion_at_wasted_and_busted_screens";

// Values that break a reader or a user of a key.
const char* const hostileValues[] = {
    "-2147483648", "-1", "0", "1", "2147483647", "99999999999", "text", "", "0x10", " 7 ", "-0", "1e9",
};
const char* const hostileCoordinates[] = {"1e39", "-1e39", "inf", "-inf", "nan", "3.4e38", "1e30", "-99999", "",
                                          "x"};
const char* const hostileSlowMotion[] = {"0", "-1", "nan", "inf", "-inf", "1e39", "", "text", "0.0001", "100"};

int uniform(std::mt19937_64& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool chance(std::mt19937_64& random, double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; }

// The shipped file's lines, keys and values.
std::map<std::string, std::string> keysOf(const std::string& text) {
    std::map<std::string, std::string> values;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t equals = line.find('=');
        if (line.empty() || line[0] == ';' || line[0] == '[' || equals == std::string::npos) continue;
        values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

std::string fileText(const std::map<std::string, std::string>& values) {
    std::string text = "[Player_Respawn]\r\n";
    for (const auto& [key, value] : values) text += key + "=" + value + "\r\n";
    return text;
}

// A custom point on the map, near the ground or somewhere above it.
void addCustomPoints(std::map<std::string, std::string>& values, std::mt19937_64& random, bool hostile) {
    for (int k = 1; k <= 4; ++k) {
        const char axes[] = {'x', 'y', 'z'};
        for (char axis : axes) {
            std::string key = "custom_spawn_" + std::to_string(k) + "_" + axis;
            if (hostile && chance(random, 0.4)) {
                values[key] = hostileCoordinates[uniform(random, 0, 9)];
                continue;
            }
            int value = axis == 'x' ? uniform(random, -3400, 3800)
                                    : axis == 'y' ? uniform(random, -3400, 6600) : uniform(random, -50, 900);
            values[key] = std::to_string(value);
        }
    }
}

void randomValid(std::map<std::string, std::string>& values, std::mt19937_64& random) {
    for (const IntegerKey& key : integerKeys) values[key.name] = std::to_string(uniform(random, key.low, key.high));
    // Mostly respawning with the plug-in, as a player who installed it would.
    values["random_player_respawns"] = chance(random, 0.85) ? "1" : "0";
    const char* const slowMotions[] = {"0.05", "0.1", "0.2", "0.3", "0.4", "0.8", "1.0"};
    values[slowMotionKey] = slowMotions[uniform(random, 0, 6)];
    addCustomPoints(values, random, false);
}

void hostile(std::map<std::string, std::string>& values, std::mt19937_64& random) {
    double share = std::uniform_real_distribution<double>(0.1, 1.0)(random);
    for (const IntegerKey& key : integerKeys) {
        if (!chance(random, share)) continue;
        if (chance(random, 0.12))
            values.erase(key.name);
        else
            values[key.name] = hostileValues[uniform(random, 0, 11)];
    }
    if (chance(random, share)) {
        if (chance(random, 0.15))
            values.erase(slowMotionKey);
        else
            values[slowMotionKey] = hostileSlowMotion[uniform(random, 0, 9)];
    }
    if (chance(random, 0.5)) {
        addCustomPoints(values, random, true);
        if (chance(random, 0.5)) values["custom_spawn_chance"] = std::to_string(uniform(random, 20, 100));
        if (chance(random, 0.5))
            values["number_of_custom_spawn_points_in_use"] = chance(random, 0.3) ? "2147483647" : "4";
    }
}

}  // namespace

const char* settingsKindName(SettingsKind kind) {
    switch (kind) {
        case SettingsKind::Shipped:
            return "shipped";
        case SettingsKind::RandomValid:
            return "random valid";
        case SettingsKind::Hostile:
            return "hostile";
    }
    return "?";
}

EpisodeSettings makeSettings(SettingsKind kind, std::mt19937_64& random, const std::string& shippedText) {
    EpisodeSettings settings;
    settings.kind = kind;
    if (kind == SettingsKind::Shipped) {
        settings.text = shippedText;
        return settings;
    }
    std::map<std::string, std::string> values = keysOf(shippedText);
    if (kind == SettingsKind::RandomValid)
        randomValid(values, random);
    else
        hostile(values, random);
    settings.text = fileText(values);
    return settings;
}

}  // namespace sim::soak
