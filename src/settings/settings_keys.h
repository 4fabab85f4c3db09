#pragma once
// The settings keys as data (a view of settings_keys.def): for each key its
// name, kind, built-in and missing values, documented range and step, unit,
// what the plug-in does outside the range, and its page in the menu. The
// menu, the checker and the tests read them at run time; the ranges are also
// constants for the code that holds values to them. The checker's texts
// (settingKeyChecks below) and the texts a menu or a tool shows (label,
// description, names of choices: settings_key_texts.h) are views of their own.
#include <cstddef>
#include <cstdint>
#include <string_view>

// The section of the settings file that holds the keys.
inline constexpr const char* settingsSectionName = "Player_Respawn";

// How a key is read and held: a 32-bit integer, a float converted from the
// integer read, a float read as a decimal number, or a flag (integer > 0).
enum class SettingKind { Int, FloatFromInt, Float, Flag };

// What the number means.
enum class SettingUnit {
    Switch,        // 0 = off, any other value = on
    Percent,
    Milliseconds,
    WorldUnits,
    Speed,         // a game time scale, 1.0 = normal
    Choice,        // one of numbered options, named in settingKeyTexts
    Count,
    KeyCode,       // a Windows virtual-key code
    Control,       // a control number of the game
    SkinModel,     // a model hash as a signed decimal
};

// What the plug-in does with a value outside the documented range.
enum class OutsideRange {
    UsedAsRead,        // nothing: the value is used as it is (the checker says what follows)
    Held,              // held to the range where it is used (see setting_limits.h)
    BuiltInBelowZero,  // a negative value takes the built-in one, any other is held to the range
    Replaced,          // a fixed value stands in for it (see setting_limits.h)
};

// The page of the in-game menu that shows a key: a line of one of the three
// settings pages or of About; the count of custom points, which the Custom
// points page keeps by its saves and deletions; or none (see settings_keys.def).
enum class SettingPage { WhereYouComeBack, WhatYouKeep, Timing, About, CustomPoints, FileOnly };

// How serious the checker finds something.
enum class CheckSeverity { Note, Warning, Error };

struct SettingKey {
    const char* name;
    SettingKind kind;
    bool inRecord;  // held in RespawnSettings (false: read from the file at each use)
    double builtIn;
    double missing;
    double low;
    double high;
    double step;
    SettingUnit unit;
    OutsideRange outside;
    SettingPage page;
};

// The longest the wasted or busted screen waits for the respawn: with a slow
// motion below a tenth of normal speed, 0 and negative values included (the
// screen then plays at normal speed). In seconds, so that the key table's
// words name it from here.
#define LONGEST_DEATH_SCREEN_WAIT_SECONDS 80
#define SETTINGS_NUMBER_TEXT_OF(number) #number
#define SETTINGS_NUMBER_TEXT(number) SETTINGS_NUMBER_TEXT_OF(number)
constexpr uint32_t longestDeathScreenWaitMs = LONGEST_DEATH_SCREEN_WAIT_SECONDS * 1000;

// Each key's name as a variable of its own, so that the name is stored once
// however many files of the plug-in use the table.
#define KEY(name, ...) inline constexpr char name##KeyName[] = #name;
#include "settings/settings_keys.def"

#define SETTING_ROW(inRecord, name, kind, builtIn, missing, low, high, step, unit, outside, page, ...) \
    {name##KeyName, SettingKind::kind, inRecord, builtIn, missing, low, high, step, SettingUnit::unit,        \
     OutsideRange::outside, SettingPage::page},
#define KEY(...) SETTING_ROW(true, __VA_ARGS__)
#define FILE_KEY(...) SETTING_ROW(false, __VA_ARGS__)
inline constexpr SettingKey settingKeys[] = {
#include "settings/settings_keys.def"
};
#undef SETTING_ROW
constexpr int settingKeyCount = static_cast<int>(sizeof settingKeys / sizeof settingKeys[0]);

// Each key's place in settingKeys, by its name.
#define KEY(name, ...) name,
enum class SettingId {
#include "settings/settings_keys.def"
};

constexpr const SettingKey& settingKey(SettingId id) { return settingKeys[static_cast<int>(id)]; }

// A key that came after the first release: left out of the file, it takes the
// value the file ships with (its built-in one), where a key of the first
// release reads as the private-profile reader's -1.
constexpr bool takesShippedValueWhenMissing(const SettingKey& key) {
    return key.inRecord && key.missing == key.builtIn;
}

// The checker's texts of each key (a view of settings_keys.def, in the order
// of settingKeys), out of line so that the plug-in holds them once: the
// finding for a missing key, and what a questioned value does.
struct SettingKeyCheck {
    CheckSeverity missingSeverity;
    const char* missingEffect;  // what the value a missing key reads as does; nullptr: nothing to say
    CheckSeverity valueSeverity;
    const char* valueEffect;    // a Choice key's value outside the range, a Switch's 0; nullptr: none
};
extern const SettingKeyCheck settingKeyChecks[settingKeyCount];
inline const SettingKeyCheck& settingKeyCheck(SettingId id) { return settingKeyChecks[static_cast<int>(id)]; }

// The key's index in settingKeys, letter case ignored as the reader ignores
// it; -1 for a name that is no key of the table.
int settingKeyIndex(std::string_view name);
