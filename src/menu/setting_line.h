#pragma once
// A line of a settings page: one key of the settings key table, its value as
// the plug-in reads it, stepped by left and right within its documented range
// and saved at once.
#include <cstddef>

#include "menu/menu_view.h"
#include "settings/settings_keys.h"

// The keys the table puts on a page, in the table's order.
struct PageKeys {
    SettingId ids[settingKeyCount];
    int count;
};
constexpr PageKeys keysOnPage(SettingPage page) {
    PageKeys keys{};
    for (int i = 0; i < settingKeyCount; ++i)
        if (settingKeys[i].page == page) keys.ids[keys.count++] = static_cast<SettingId>(i);
    return keys;
}

// The help below a selected setting line.
inline constexpr const char* settingLineHelp = "Up/down: choose   Left/right: change (saved)   Backspace: back";

// The key's label and the value the plug-in uses for the record's setting.
void describeSetting(SettingId id, MenuLine* out);
// The setting's line in full and what the key does: "Label: value. Hint".
void explainSetting(SettingId id, const MenuLine& shown, char* text, size_t size);
// The value in use for a setting (settingInUse), and when it is not the
// setting itself, why: "120 s (held from 600 s)", "200 m (not set)",
// "1 x speed (in place of 0 x normal speed)".
void describeSettingInUse(SettingId id, double setting, char* text, size_t size);
// A value as the menu shows it: "40 %", "5.5 s", "On", a choice's name.
void describeSettingValue(SettingId id, double value, char* text, size_t size);
// Steps the value in use (direction -1 or +1) within its range and saves it;
// false when it stays as it is (at the end of its range, or the file is
// missing).
bool stepSetting(SettingId id, int direction);
