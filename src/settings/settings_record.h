#pragma once
// The settings record: one field per key of section "Player_Respawn" of
// ".\Pelorin.ini" held in it (settings_keys.def), named exactly as the key,
// in reading order. A fresh record holds the built-in values.
#include <cstdint>

#include "ini/ini_reader.h"
#include "settings/settings_keys.h"

// The type a key of each kind is held in.
template <SettingKind kind>
struct SettingType {
    using type = int32_t;
};
template <>
struct SettingType<SettingKind::FloatFromInt> {
    using type = float;
};
template <>
struct SettingType<SettingKind::Float> {
    using type = float;
};
template <>
struct SettingType<SettingKind::Flag> {
    using type = bool;
};

struct RespawnSettings {
#define KEY(name, kind, builtIn, ...) \
    SettingType<SettingKind::kind>::type name = static_cast<SettingType<SettingKind::kind>::type>(builtIn);
#define FILE_KEY(...)
#include "settings/settings_keys.def"
};

// The settings in force; the store (settings_io/) writes them, every other
// part reads them.
extern RespawnSettings settings;

// A field of the record by its key, as a number (a flag as 0 or 1); 0 for a
// key held outside the record.
double settingValue(const RespawnSettings& record, SettingId id);
// The record as the keys of a parsed section read (missing keys read as the
// table's missing values).
RespawnSettings settingsFromSection(const ProfileSection& section);
// A float key of a parsed section, its first 31 characters read as a decimal
// number (decimalFloat: never infinite nor NaN); missing when the key is missing.
float profileFloat(const ProfileSection& section, const char* key, float missing);
