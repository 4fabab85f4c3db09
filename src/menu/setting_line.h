#pragma once
// A line of a settings page: one key of the settings, its value as the
// plug-in reads it, stepped by left and right within its documented range and
// saved at once.
#include <cstddef>
#include <cstdint>

enum class MenuSettingUnit { Switch, Percent, Milliseconds, WorldUnits, Speed, Choice };

// What the menu needs of a key.
struct MenuSettingKey {
    const char* name;
    const char* label;
    double low, high, step;
    MenuSettingUnit unit;
    const char* choices;  // for Choice: the names from low to high, '|' between
    bool isFloat;         // held as a float (the others as integers or flags)
};

// The value as the settings record holds it now.
double settingValue(const MenuSettingKey& key);
// The value for the menu's line: "40 %", "5500 ms", "On", a choice's name.
void describeSettingValue(const MenuSettingKey& key, double value, char* text, size_t size);
// Steps the value (direction -1 or +1) within its range and saves it; false
// when it stays as it is (at the end of its range, or the file is missing).
bool stepSetting(const MenuSettingKey& key, int direction);
