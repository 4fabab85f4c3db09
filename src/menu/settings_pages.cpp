// The settings pages: Where you come back (with the odds of each spawn mode
// and of the close point as the roll reckons them), What you keep, and
// Timing. Their lines are the keys the settings key table puts on them.
#include <cstdio>

#include "menu/pages.h"
#include "menu/setting_line.h"
#include "settings/settings_record.h"
#include "settings/spawn_roll.h"
#include "shared/percent_chance.h"

namespace {

class SettingsPage : public MenuPage {
public:
    SettingsPage(const char* title, const PageKeys& keys) : title_(title), keys_(keys) {}

    const char* title() const override { return title_; }
    int lineCount() const override { return keys_.count; }
    void describe(int line, MenuLine* out) const override { describeSetting(key(line), out); }
    bool changeable(int) const override { return true; }
    bool change(int line, int direction) override { return stepSetting(key(line), direction); }
    void explain(int line, const MenuLine& shown, char* text, size_t size) const override {
        explainSetting(key(line), shown, text, size);
    }
    bool writes(int) const override { return true; }
    const char* help(int) const override { return settingLineHelp; }

protected:
    SettingId key(int line) const { return keys_.ids[line]; }

private:
    const char* title_;
    const PageKeys& keys_;
};

constexpr bool isModeChance(SettingId id) {
    for (const SpawnModeRow& mode : spawnModes)
        if (mode.chance == id) return true;
    return false;
}

// The page's keys with the spawn modes' chances, where the table has them, in
// the order the roll takes them.
constexpr PageKeys inRollOrder(PageKeys keys) {
    int next = 0;
    for (int i = 0; i < keys.count; ++i)
        if (isModeChance(keys.ids[i])) keys.ids[i] = spawnModes[next++].chance;
    return keys;
}

constexpr int modeChancesOn(const PageKeys& keys) {
    int count = 0;
    for (int i = 0; i < keys.count; ++i) count += isModeChance(keys.ids[i]);
    return count;
}

static_assert(modeChancesOn(keysOnPage(SettingPage::WhereYouComeBack)) == spawnModeCount,
              "every spawn mode's chance is on Where you come back");
constexpr PageKeys whereKeys = inRollOrder(keysOnPage(SettingPage::WhereYouComeBack));
constexpr PageKeys keepKeys = keysOnPage(SettingPage::WhatYouKeep);
constexpr PageKeys timingKeys = keysOnPage(SettingPage::Timing);

// Beside each mode's chance, its odds: the share of the rolls that end in the
// mode, the fall-back's included; beside the close-point chance, the share of
// its rolls that prefer a near place. Both from spawnOddsOf, which counts the
// rolls with the roll's own function.
class WhereYouComeBackPage final : public SettingsPage {
public:
    WhereYouComeBackPage() : SettingsPage("Where you come back", whereKeys) {}

    void refresh() override {
        odds_ = spawnOddsOf(spawnChancesOf(settings), settings.on_close_point_player_spawn_chance);
    }

    void describe(int line, MenuLine* out) const override {
        SettingsPage::describe(line, out);
        double share;
        if (!oddsOf(key(line), &share)) return;
        char chance[16];
        describeSettingInUse(key(line), settingValue(settings, key(line)), chance, sizeof chance);
        const char* of = key(line) == SettingId::on_close_point_player_spawn_chance ? "its rolls" : "respawns";
        std::snprintf(out->value, sizeof out->value, "%s (%.1f %% of %s)", chance, 100.0 * share, of);
    }

private:
    bool oddsOf(SettingId id, double* share) const {
        if (id == SettingId::on_close_point_player_spawn_chance) {
            *share = static_cast<double>(odds_.closeRolls) / (percentRollEnd - percentRollFirst);
            return true;
        }
        for (int m = 0; m < spawnModeCount; ++m) {
            if (spawnModes[m].chance != id) continue;
            int rolls = odds_.rolls[m] + (odds_.fallBackMode == m ? odds_.fallBackRolls : 0);
            *share = static_cast<double>(rolls) / spawnRollCount;
            return true;
        }
        return false;
    }

    SpawnOdds odds_{};
};

WhereYouComeBackPage wherePage;
SettingsPage keepPage("What you keep", keepKeys);
SettingsPage timing("Timing", timingKeys);

}  // namespace

MenuPage& whereYouComeBackPage() { return wherePage; }
MenuPage& whatYouKeepPage() { return keepPage; }
MenuPage& timingPage() { return timing; }
