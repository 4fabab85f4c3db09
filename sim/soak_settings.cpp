#include "sim/soak_settings.h"

#include <cstdio>
#include <map>
#include <sstream>

#include "settings/settings_keys.h"

namespace sim::soak {
namespace {

// Values that break a reader or a user of a key.
const char* const hostileValues[] = {
    "-2147483648", "-1", "0", "1", "2147483647", "99999999999", "text", "", "0x10", " 7 ", "-0", "1e9",
};
const char* const hostileCoordinates[] = {"1e39", "-1e39", "inf", "-inf", "nan", "3.4e38", "1e30", "-99999", "",
                                          "x"};
const char* const hostileFloats[] = {"0", "-1", "nan", "inf", "-inf", "1e39", "", "text", "0.0001", "100"};

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

// A value within the key's documented range, its two ends included: each
// end one time in ten, otherwise anywhere in the range (on the step's grid
// for a float, whose low end is outside the range where a fixed value stands
// in for it).
std::string valueInRange(const SettingKey& key, std::mt19937_64& random) {
    if (key.kind == SettingKind::Float) {
        int first = key.outside == OutsideRange::Replaced ? 1 : 0;
        int last = static_cast<int>((key.high - key.low) / key.step + 0.5);
        int k = chance(random, 0.1) ? first : chance(random, 0.1) ? last : uniform(random, first, last);
        char text[32];
        std::snprintf(text, sizeof text, "%g", key.low + k * key.step);
        return text;
    }
    int low = static_cast<int>(key.low), high = static_cast<int>(key.high);
    return std::to_string(chance(random, 0.1) ? low : chance(random, 0.1) ? high : uniform(random, low, high));
}

// The shipped value of a key.
std::string builtInValue(const SettingKey& key) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", key.builtIn);
    return text;
}

void randomValid(std::map<std::string, std::string>& values, std::mt19937_64& random) {
    for (const SettingKey& key : settingKeys) {
        if (!key.inRecord) continue;
        // The stories press the shipped chords: mostly keep them, so that they fire.
        bool chordKey = key.unit == SettingUnit::KeyCode || key.unit == SettingUnit::Control;
        values[key.name] = chordKey && chance(random, 0.8) ? builtInValue(key) : valueInRange(key, random);
    }
    // Mostly respawning with the plug-in, as a player who installed it would.
    values["random_player_respawns"] = chance(random, 0.85) ? "1" : "0";
    // The four points below are defined; the ends of the range are kept.
    const SettingKey& count = settingKey(SettingId::number_of_custom_spawn_points_in_use);
    int n = std::stoi(values[count.name]);
    if (n != count.low && n != count.high) values[count.name] = std::to_string(uniform(random, 1, 4));
    addCustomPoints(values, random, false);
}

// A value that breaks a reader or a user of the key, or lies just outside its range.
std::string hostileValue(const SettingKey& key, std::mt19937_64& random) {
    if (key.kind == SettingKind::Float) return hostileFloats[uniform(random, 0, 9)];
    if (chance(random, 0.2)) {
        double beside = chance(random, 0.5) ? key.low - 1 : key.high + 1;
        if (beside >= -2147483648.0 && beside <= 2147483647.0) return std::to_string(static_cast<long long>(beside));
    }
    return hostileValues[uniform(random, 0, 11)];
}

void hostile(std::map<std::string, std::string>& values, std::mt19937_64& random) {
    double share = std::uniform_real_distribution<double>(0.1, 1.0)(random);
    for (const SettingKey& key : settingKeys) {
        if (!key.inRecord || !chance(random, share)) continue;
        if (chance(random, 0.12))
            values.erase(key.name);
        else
            values[key.name] = hostileValue(key, random);
    }
    if (chance(random, 0.5)) {
        addCustomPoints(values, random, true);
        if (chance(random, 0.5)) values["custom_spawn_chance"] = std::to_string(uniform(random, 20, 100));
        if (chance(random, 0.5))
            values[number_of_custom_spawn_points_in_useKeyName] = chance(random, 0.3) ? "2147483647" : "4";
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
