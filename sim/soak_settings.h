#pragma once
// The settings file of one soak episode: the shipped file, random valid
// values, or hostile ones (extreme integers, text, empty values, missing keys,
// custom coordinates that are huge or not finite).
#include <cstdint>
#include <random>
#include <string>

namespace sim::soak {

enum class SettingsKind { Shipped, RandomValid, Hostile };

struct EpisodeSettings {
    SettingsKind kind = SettingsKind::Shipped;
    std::string text;  // the file as written
};

const char* settingsKindName(SettingsKind kind);
EpisodeSettings makeSettings(SettingsKind kind, std::mt19937_64& random, const std::string& shippedText);

}  // namespace sim::soak
