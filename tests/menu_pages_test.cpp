// The menu's settings lines against the settings key table, read from what
// the menu draws in the simulated game: every line of a settings page is a key
// of the table, every key the table puts on a page is on that page once and
// on no other, the keys kept out of the menu are on none, and each line steps
// its own key and no other.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "menu/menu.h"
#include "settings/settings_record.h"
#include "settings/settings_key_texts.h"
#include "settings/settings_keys.h"
#include "settings/spawn_roll.h"
#include "sim/script_host.h"
#include "tests/support/menu_driver.h"
#include "tests/support/plugin_state.h"

namespace {

using namespace testing_support;

struct ShownPage {
    const char* title;
    SettingPage page;
    bool onlyKeys;  // every line is a key (About also shows the version and the file)
};
const ShownPage shownPages[] = {
    {"Where you come back", SettingPage::WhereYouComeBack, true},
    {"What you keep", SettingPage::WhatYouKeep, true},
    {"Timing", SettingPage::Timing, true},
    {"About", SettingPage::About, false},
};

// The labels of every line of the open page, top to bottom, found by moving
// the cursor down until it wraps to the first line.
std::vector<std::string> pageLines(sim::World& w) {
    std::vector<std::string> lines{selectedLine(w)};
    for (int moves = 0; moves < 80; ++moves) {
        tapKey(w, keyDown);
        if (selectedLine(w) == lines.front()) break;
        lines.push_back(selectedLine(w));
    }
    return lines;
}

// The key whose label this is; -1 for none.
int keyOfLabel(const std::string& label) {
    for (int i = 0; i < settingKeyCount; ++i)
        if (label == settingKeyTexts[i].label) return i;
    return -1;
}

std::vector<double> recordValues() {
    std::vector<double> values;
    for (int i = 0; i < settingKeyCount; ++i) values.push_back(settingValue(settings, static_cast<SettingId>(i)));
    return values;
}

}  // namespace

TEST(MenuPages, EveryKeyOfTheTableIsOnItsOwnPageOnceAndTheOthersOnNone) {
    std::map<std::string, int> labels;
    for (int i = 0; i < settingKeyCount; ++i) EXPECT_TRUE(labels.emplace(settingKeyTexts[i].label, i).second)
        << "a label names one key: " << settingKeyTexts[i].label;

    sim::World& w = gameStartedWith(shippedSettingsText());
    std::vector<int> timesShown(settingKeyCount, 0);
    for (const ShownPage& page : shownPages) {
        SCOPED_TRACE(page.title);
        ASSERT_TRUE(openMenuPage(w, page.title));
        for (const std::string& line : pageLines(w)) {
            int key = keyOfLabel(line);
            if (key < 0) {
                EXPECT_FALSE(page.onlyKeys) << "a line that is no key of the table: " << line;
                continue;
            }
            ++timesShown[key];
            EXPECT_EQ(settingKeys[key].page, page.page) << line << " is on a page the table does not give it";
        }
    }
    for (int i = 0; i < settingKeyCount; ++i) {
        const SettingKey& key = settingKeys[i];
        bool onASettingsLine = key.page != SettingPage::FileOnly && key.page != SettingPage::CustomPoints;
        EXPECT_EQ(timesShown[i], onASettingsLine ? 1 : 0) << key.name;
        // A line shows the record's value: a key read from the file at each use has none.
        EXPECT_TRUE(key.inRecord || !onASettingsLine) << key.name;
    }
    // What the menu deliberately leaves out: the stored skin, which Pelorin
    // writes itself, and the chords (one of them opens the menu).
    for (SettingId id : {SettingId::stored_last_used_skin, SettingId::menu_key_1_of_2, SettingId::menu_key_2_of_2,
                         SettingId::respawn_on_demand_key_1_of_2, SettingId::activate_controller})
        EXPECT_EQ(settingKey(id).page, SettingPage::FileOnly) << settingKey(id).name;
}

TEST(MenuPages, EachLineStepsItsOwnKeyByItsStepWithinItsRange) {
    sim::World& w = gameStartedWith(shippedSettingsText());
    for (const ShownPage& page : shownPages) {
        SCOPED_TRACE(page.title);
        ASSERT_TRUE(openMenuPage(w, page.title));
        for (const std::string& line : pageLines(w)) {
            int key = keyOfLabel(line);
            if (key < 0) continue;
            SCOPED_TRACE(line);
            const SettingKey& row = settingKeys[key];
            ASSERT_TRUE(selectLine(w, line));
            std::vector<double> before = recordValues();
            bool atTop = before[key] >= row.high;
            tapKey(w, atTop ? keyLeft : keyRight);
            std::vector<double> after = recordValues();
            for (int other = 0; other < settingKeyCount; ++other) {
                if (other == key) continue;
                EXPECT_EQ(after[other], before[other]) << "also changed: " << settingKeys[other].name;
            }
            if (row.unit == SettingUnit::Switch) {
                EXPECT_EQ(after[key], before[key] != 0 ? 0.0 : 1.0);
                continue;
            }
            EXPECT_NEAR(after[key], before[key] + (atTop ? -row.step : row.step), 1e-6);
            EXPECT_GE(after[key], row.low);
            EXPECT_LE(after[key], row.high);
        }
    }
    sim::runFor(2500);
    for (const std::string& notification : w.notifications)
        EXPECT_NE(notification, "Pelorin.ini modified") << "the menu's writes are our own";
}

namespace {

std::string withoutKey(std::string text, const std::string& key) {
    size_t at = text.find("\n" + key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    if (at != std::string::npos) text.erase(at + 1, text.find('\n', at + 1) - at);
    return text;
}

const char* pageTitleOf(SettingId id) {
    for (const ShownPage& page : shownPages)
        if (page.page == settingKey(id).page) return page.title;
    return "";
}

}  // namespace

// A value outside its range, or a key left out, shows as the value the plug-in
// uses, with why, and a step moves on from that value, not from the file's.
TEST(MenuPages, ValuesShowAndStepFromTheValueInUse) {
    struct Case {
        SettingId id;
        const char* written;  // nullptr: the key left out
        const char* shown;
        uint32_t key;         // the arrow pressed
        double after;         // the setting then; NAN: the file is left as it was
    };
    const SettingId heli = SettingId::min_heli_spawn_height_over_ground;
    const SettingId slow = SettingId::slow_motion_at_wasted_and_busted_screens;
    const SettingId wait = SettingId::first_wait_time;
    const Case cases[] = {
        {heli, nullptr, "200 m (not set)", keyRight, 210},
        {heli, nullptr, "200 m (not set)", keyLeft, 190},
        {heli, "-1", "200 m (in place of -1 m)", keyLeft, 190},
        {heli, "20", "50 m (held from 20 m)", keyRight, 60},
        {slow, "0", "1 x speed (in place of 0 x speed)", keyLeft, 0.95},
        {slow, "0", "1 x speed (in place of 0 x speed)", keyRight, NAN},
        {slow, "0.01", "0.05 x speed (in place of 0.01 x speed)", keyRight, 0.1},
        {wait, "600000", "120 s (held from 600 s)", keyLeft, 119500},
        {wait, "600000", "120 s (held from 600 s)", keyRight, NAN},
        {wait, "-5000", "0 s (held from -5 s)", keyRight, 500},
        {wait, "5500", "5.5 s", keyRight, 6000},
    };
    for (const Case& c : cases) {
        const char* name = settingKey(c.id).name;
        SCOPED_TRACE(std::string(name) + "=" + (c.written ? c.written : "(missing)"));
        std::string text = c.written ? withSetting(shippedSettingsText(), name, c.written)
                                     : withoutKey(shippedSettingsText(), name);
        sim::World& w = gameStartedWith(text);
        ASSERT_TRUE(openMenuPage(w, pageTitleOf(c.id)));
        const std::string label = settingKeyText(c.id).label;
        ASSERT_TRUE(selectLine(w, label));
        EXPECT_EQ(valueOf(w, label), c.shown);
        double before = settingValue(settings, c.id);
        tapKey(w, c.key);
        if (std::isnan(c.after))
            EXPECT_EQ(settingValue(settings, c.id), before) << "at the end of the range in use: nothing written";
        else
            EXPECT_NEAR(settingValue(settings, c.id), c.after, 1e-6);
        closeMenu();
    }
}

// The chances are listed in the order the roll takes them.
TEST(MenuPages, TheChancesAreListedInTheRollsOrder) {
    sim::World& w = gameStartedWith(shippedSettingsText());
    ASSERT_TRUE(openMenuPage(w, "Where you come back"));
    std::vector<std::string> chances;
    for (const std::string& line : pageLines(w)) {
        int key = keyOfLabel(line);
        for (const SpawnModeRow& mode : spawnModes)
            if (key == static_cast<int>(mode.chance)) chances.push_back(line);
    }
    ASSERT_EQ(chances.size(), static_cast<size_t>(spawnModeCount));
    for (int m = 0; m < spawnModeCount; ++m) EXPECT_EQ(chances[m], settingKeyText(spawnModes[m].chance).label);
}
