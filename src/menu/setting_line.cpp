#include "menu/setting_line.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "menu/menu.h"
#include "settings_io/settings_store.h"
#include "settings/setting_limits.h"
#include "settings/settings_key_texts.h"

namespace {

bool heldNoticeShown = false;

// The step starts from the value in use, not the one the file holds: a
// value held to its range, or replaced, moves on from what the plug-in does.
double nextValue(const SettingKey& key, double inUse, int direction) {
    if (key.unit == SettingUnit::Switch) return inUse != 0 ? 0 : 1;
    // A value used outside the range (a chance, used as read) comes in at its near end.
    if (inUse < key.low) return key.low;
    if (inUse > key.high) return key.high;
    double next = inUse + direction * key.step;
    next = std::round(next / key.step) * key.step;  // 0.8 + 0.05 is 0.85, not 0.8500001
    return next < key.low ? key.low : next > key.high ? key.high : next;
}

// A number without trailing zeros, at most two decimals: 0.85, 0.8, 1.
void formatTrimmed(double value, char* text, size_t size) {
    std::snprintf(text, size, "%.2f", value);
    char* end = text + std::strlen(text) - 1;
    while (end > text && *end == '0') *end-- = '\0';
    if (*end == '.') *end = '\0';
}

void formatForFile(const SettingKey& key, double value, char* text, size_t size) {
    if (key.kind != SettingKind::Float)
        std::snprintf(text, size, "%d", static_cast<int>(std::lround(value)));
    else
        formatTrimmed(value, text, size);
}

void tellOutcome(SettingId id, SettingsSave save) {
    switch (save) {
        case SettingsSave::Written:
            return;
        case SettingsSave::NoFile:
            return showMenuNotice("Pelorin.ini was not found: nothing can be changed");
        case SettingsSave::Unreadable:
            return showMenuNotice("Pelorin.ini could not be read (it may be being saved): nothing changed");
        case SettingsSave::Changed:
            return showMenuNoticeOnceRead([id] {
                char now[48], text[sizeof MenuView{}.help];
                describeSettingInUse(id, settingValue(settings, id), now, sizeof now);
                std::snprintf(text, sizeof text, "Pelorin.ini was saved meanwhile, now %s: nothing changed", now);
                showMenuNotice(text);
            });
        case SettingsSave::Held:
            if (heldNoticeShown) return;
            showMenuNotice("Pelorin.ini cannot be written: changes last until the game closes");
            heldNoticeShown = true;
            return;
    }
}

}  // namespace

void describeSetting(SettingId id, MenuLine* out) {
    std::snprintf(out->label, sizeof out->label, "%s", settingKeyText(id).label);
    describeSettingInUse(id, settingValue(settings, id), out->value, sizeof out->value);
}

void explainSetting(SettingId id, const MenuLine& shown, char* text, size_t size) {
    const char* hint = settingKeyText(id).hint;
    std::snprintf(text, size, "%s: %s. %s", shown.label, shown.value, hint != nullptr ? hint : "");
}

void describeSettingInUse(SettingId id, double setting, char* text, size_t size) {
    const SettingKey& key = settingKey(id);
    double inUse = settingInUse(id, setting);
    describeSettingValue(id, inUse, text, size);
    if (inUse == setting) return;
    std::string_view value;
    size_t length = std::strlen(text);
    if (!findProfileValue(settingsSectionAsRead(), key.name, &value)) {
        std::snprintf(text + length, size - length, " (not set)");
        return;
    }
    char written[24];
    describeSettingValue(id, setting, written, sizeof written);
    bool held = inUse == std::min(std::max(setting, key.low), key.high);
    std::snprintf(text + length, size - length, " (%s %s)", held ? "held from" : "in place of", written);
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
        case SettingUnit::Milliseconds: {
            char seconds[24];
            formatTrimmed(value / 1000.0, seconds, sizeof seconds);
            std::snprintf(text, size, "%s s", seconds);
            return;
        }
        case SettingUnit::WorldUnits:
            std::snprintf(text, size, "%d m", whole);
            return;
        case SettingUnit::Speed: {
            char speed[24];
            formatTrimmed(value, speed, sizeof speed);
            std::snprintf(text, size, "%s x speed", speed);
            return;
        }
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
    const double shown = settingValue(settings, id);
    double inUse = settingInUse(id, shown);
    double next = nextValue(key, inUse, direction);
    if (next == inUse) return false;
    char text[24];
    formatForFile(key, next, text, sizeof text);
    const SettingsValue change{key.name, text};
    // Written in steps: the outcome is told when the write ends.
    return startSavingSettingsKeys(
        &change, 1,
        [id, shown](const ProfileSection& section) { return settingValue(settingsFromSection(section), id) == shown; },
        [id](SettingsSave save) { tellOutcome(id, save); });
}
