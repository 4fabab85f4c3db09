// The settings record as data: its fields read from a parsed section by
// the key table, and a field by its key. Plain work, no file and no game.
#include "settings/settings_record.h"

#include <string_view>

#include "ini/decimal_float.h"

RespawnSettings settings{};

namespace {

// A key of the section as its kind reads it; missing is the table's value for a missing key.
template <SettingKind kind>
typename SettingType<kind>::type keyValue(const ProfileSection& section, const char* key, double missing) {
    if constexpr (kind == SettingKind::Float) {
        return profileFloat(section, key, static_cast<float>(missing));
    } else {
        auto value = static_cast<int32_t>(profileInt(section, key, static_cast<uint32_t>(static_cast<int32_t>(missing))));
        if constexpr (kind == SettingKind::FloatFromInt)
            return static_cast<float>(value);
        else if constexpr (kind == SettingKind::Flag)
            return value > 0;
        else
            return value;
    }
}

}  // namespace

float profileFloat(const ProfileSection& section, const char* key, float missing) {
    std::string_view value;
    if (!findProfileValue(section, key, &value)) return missing;
    // As the private-profile string reader gives it into 32 bytes: at most 31 characters.
    char text[32];
    size_t length = value.copy(text, sizeof text - 1);
    text[length] = '\0';
    return decimalFloat(text);
}

RespawnSettings settingsFromSection(const ProfileSection& section) {
    RespawnSettings read;
#define KEY(name, kind, builtIn, missing, ...) \
    read.name = keyValue<SettingKind::kind>(section, #name, missing);
#define FILE_KEY(...)
#include "settings/settings_keys.def"
    return read;
}

double settingValue(const RespawnSettings& record, SettingId id) {
    switch (id) {
#define KEY(name, ...) \
    case SettingId::name: \
        return static_cast<double>(record.name);
#define FILE_KEY(...)
#include "settings/settings_keys.def"
        default:
            return 0.0;
    }
}
