#include "menu/setting_line.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "menu/menu.h"
#include "settings/respawn_settings.h"

namespace {

bool heldNoticeShown = false;

// The name of a choice, or false for a value that names none.
bool choiceName(const MenuSettingKey& key, int32_t value, char* text, size_t size) {
    if (key.choices == nullptr || value < key.low || value > key.high) return false;
    const char* name = key.choices;
    for (int32_t skipped = static_cast<int32_t>(key.low); skipped < value; ++skipped) name = std::strchr(name, '|') + 1;
    const char* end = std::strchr(name, '|');
    int length = static_cast<int>(end ? end - name : static_cast<std::ptrdiff_t>(std::strlen(name)));
    std::snprintf(text, size, "%.*s", length, name);
    return true;
}

double nextValue(const MenuSettingKey& key, double value, int direction) {
    if (key.unit == MenuSettingUnit::Switch) return value != 0 ? 0 : 1;
    // A value outside the range (a missing key reads as -1) comes in at its near end.
    if (value < key.low) return key.low;
    if (value > key.high) return key.high;
    double next = value + direction * key.step;
    next = std::round(next / key.step) * key.step;  // 0.8 + 0.05 is 0.85, not 0.8500001
    return next < key.low ? key.low : next > key.high ? key.high : next;
}

void formatForFile(const MenuSettingKey& key, double value, char* text, size_t size) {
    if (!key.isFloat || key.unit == MenuSettingUnit::Milliseconds) {
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

void describeSettingValue(const MenuSettingKey& key, double value, char* text, size_t size) {
    int32_t whole = static_cast<int32_t>(std::lround(value));
    switch (key.unit) {
        case MenuSettingUnit::Switch:
            std::snprintf(text, size, "%s", value != 0 ? "On" : "Off");
            return;
        case MenuSettingUnit::Percent:
            std::snprintf(text, size, "%d %%", static_cast<int>(whole));
            return;
        case MenuSettingUnit::Milliseconds:
            std::snprintf(text, size, "%d ms", static_cast<int>(whole));
            return;
        case MenuSettingUnit::WorldUnits:
            std::snprintf(text, size, "%d m", static_cast<int>(whole));
            return;
        case MenuSettingUnit::Speed:
            std::snprintf(text, size, "%.2f", value);
            return;
        case MenuSettingUnit::Choice:
            if (!choiceName(key, whole, text, size)) std::snprintf(text, size, "%d (no such choice)", static_cast<int>(whole));
            return;
    }
}

bool stepSetting(const MenuSettingKey& key, int direction) {
    double value = settingValue(key);
    double next = nextValue(key, value, direction);
    if (next == value) return false;
    char text[24];
    formatForFile(key, next, text, sizeof text);
    const SettingsValue change{key.name, text};
    SettingsSave save = saveSettingsKeys(&change, 1);
    tellOutcome(save);
    return save != SettingsSave::NoFile;
}
