// The settings pages: Where you come back (with the odds of each spawn mode
// as the roll uses them), What you keep, and Timing.
#include <cstdio>

#include "menu/menu_setting_keys.h"
#include "menu/pages.h"
#include "menu/setting_line.h"
#include "settings/respawn_settings.h"
#include "settings/spawn_roll.h"

namespace {

class SettingsPage : public MenuPage {
public:
    template <int count>
    SettingsPage(const char* title, const MenuSettingKey* const (&keys)[count]) : title_(title), keys_(keys), count_(count) {}

    const char* title() const override { return title_; }
    int lineCount() const override { return count_; }
    void describe(int line, MenuLine* out) const override {
        const MenuSettingKey& key = *keys_[line];
        std::snprintf(out->label, sizeof out->label, "%s", key.label);
        describeSettingValue(key, settingValue(key), out->value, sizeof out->value);
    }
    bool change(int line, int direction) override { return stepSetting(*keys_[line], direction); }
    const char* help(int) const override { return "Left/right: change (saved at once)   Backspace: back"; }

protected:
    const MenuSettingKey& key(int line) const { return *keys_[line]; }

private:
    const char* title_;
    const MenuSettingKey* const* keys_;
    int count_;
};

using namespace menu_keys;

// The six chances in the order of the roll.
const MenuSettingKey* const modeChances[spawnModeCount] = {&listChance, &roadChance, &airChance,
                                                           &deathPointChance, &mapChance, &customChance};

const MenuSettingKey* const whereKeys[] = {
    &randomPlayerRespawns, &listChance, &roadChance, &airChance, &deathPointChance, &mapChance, &customChance,
    &closeChance, &spawnDistance, &afterLoadingScreens, &duringMissions, &landVehicle, &aircraft,
    &heliLowest, &heliHighest, &planeLowest, &planeHighest,
};

// Beside each mode's chance, its odds: the share of the 99 rolls that end in
// the mode, the fall-back's included, as the roll counts them.
class WhereYouComeBackPage final : public SettingsPage {
public:
    WhereYouComeBackPage() : SettingsPage("Where you come back", whereKeys) {}

    void refresh() override {
        odds_ = spawnOddsOf(spawnChancesOf(settings), settings.on_close_point_player_spawn_chance);
    }

    void describe(int line, MenuLine* out) const override {
        SettingsPage::describe(line, out);
        for (int m = 0; m < spawnModeCount; ++m) {
            if (modeChances[m] != &key(line)) continue;
            int rolls = odds_.rolls[m] + (odds_.fallBackMode == m ? odds_.fallBackRolls : 0);
            char chance[16];
            describeSettingValue(key(line), settingValue(key(line)), chance, sizeof chance);
            std::snprintf(out->value, sizeof out->value, "%s, odds %.1f %%", chance, 100.0 * rolls / spawnRollCount);
        }
    }

private:
    SpawnOdds odds_{};
};

const MenuSettingKey* const keepKeys[] = {
    &weapons, &armour, &money, &optionsOnDemand, &skinPersists, &skinAfterRespawn, &clothing,
};
const MenuSettingKey* const timingKeys[] = {
    &firstWait, &longestWait, &slowMotion, &skinResetDelay, &skinChangeWait,
};

WhereYouComeBackPage wherePage;
SettingsPage keepPage("What you keep", keepKeys);
SettingsPage timing("Timing", timingKeys);

}  // namespace

MenuPage& whereYouComeBackPage() { return wherePage; }
MenuPage& whatYouKeepPage() { return keepPage; }
MenuPage& timingPage() { return timing; }
