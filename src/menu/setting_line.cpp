#include "menu/setting_line.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "menu/menu.h"
#include "settings_io/settings_store.h"
#include "settings/settings_key_texts.h"

namespace {

bool heldNoticeShown = false;

double nextValue(const SettingKey& key, double value, int direction) {
    if (key.unit == SettingUnit::Switch) return value != 0 ? 0 : 1;
    // A value outside the range (a missing key reads as -1) comes in at its near end.
    if (value < key.low) return key.low;
    if (value > key.high) return key.high;
    double next = value + direction * key.step;
    next = std::round(next / key.step) * key.step;  // 0.8 + 0.05 is 0.85, not 0.8500001
    return next < key.low ? key.low : next > key.high ? key.high : next;
}

void formatForFile(const SettingKey& key, double value, char* text, size_t size) {
    if (key.kind != SettingKind::Float) {
        std::snprintf(text, size, "%d", static_cast<int>(std::lround(value)));
        return;
    }
    // Two decimals at most, without trailing zeros: 0.85, 0.8, 1.
    std::snprintf(text, size, "%.2f", value);
    char* end = text + std::strlen(text) - 1;
    while (*end == '0') *end-- = '\0';
    if (*end == '.') *end = '\0';
}

void tellOutcome(SettingsSave save) {
    if (save == SettingsSave::NoFile) {
        showMenuNotice("Pelorin.ini was not found: nothing can be changed");
    } else if (save == SettingsSave::Held && !heldNoticeShown) {
        showMenuNotice("Pelorin.ini cannot be written: changes last until the game closes");
        heldNoticeShown = true;
    }
}

}  // namespace

void describeSetting(SettingId id, MenuLine* out) {
    std::snprintf(out->label, sizeof out->label, "%s", settingKeyText(id).label);
    describeSettingValue(id, settingValue(settings, id), out->value, sizeof out->value);
}

void describeSettingValue(SettingId id, double value, char* text, size_t size) {
    int whole = static_cast<int>(std::lround(value));
    switch (settingKey(id).unit) {
        case SettingUnit::Switch:
            std::snprintf(text, size, "%s", value != 0 ? "On" : "Off");
            return;
        case SettingUnit::Percent:
            std::snprintf(text, size, "%d %%", whole);
            return;
        case SettingUnit::Milliseconds:
            std::snprintf(text, size, "%d ms", whole);
            return;
        case SettingUnit::WorldUnits:
            std::snprintf(text, size, "%d m", whole);
            return;
        case SettingUnit::Speed:
            std::snprintf(text, size, "%.2f", value);
            return;
        case SettingUnit::Choice: {
            std::string_view name = choiceName(id, whole);
            if (name.empty())
                std::snprintf(text, size, "%d (no such choice)", whole);
            else
                std::snprintf(text, size, "%.*s", static_cast<int>(name.size()), name.data());
            return;
        }
        case SettingUnit::Count:
        case SettingUnit::KeyCode:
        case SettingUnit::Control:
        case SettingUnit::SkinModel:
            std::snprintf(text, size, "%d", whole);
            return;
    }
}

bool stepSetting(SettingId id, int direction) {
    const SettingKey& key = settingKey(id);
    double value = settingValue(settings, id);
    double next = nextValue(key, value, direction);
    if (next == value) return false;
    char text[24];
    formatForFile(key, next, text, sizeof text);
    const SettingsValue change{key.name, text};
    SettingsSave save = saveSettingsKeys(&change, 1);
    tellOutcome(save);
    return save != SettingsSave::NoFile;
}
