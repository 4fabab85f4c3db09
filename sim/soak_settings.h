#pragma once
// The settings file of one soak episode: the shipped file, random values
// within every key's documented range (its ends included), or hostile ones
// (extreme integers, values just outside the range, text, empty values,
// missing keys, custom coordinates that are huge or not finite). The keys and
// ranges come from the key table (settings/settings_keys.def).
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
