// The weapons and armour options after each kind of respawn: they come after
// the move and the skin, and they see whether the player wears another skin
// or a story character.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "respawn/loading_screens.h"
#include "respawn/respawn_sequences.h"
#include "settings_io/settings_store.h"
#include "shared/player_state.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "skin/player_skin.h"
#include "tests/support/call_log.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::Setting;

const char* const otherSkin = "a_m_y_hipster_01";
const char* const storedSkin = "a_f_y_hipster_01";

// Settings for the spawns to go to the list, with the options as given.
std::string settingsWith(std::vector<Setting> changes) {
    std::vector<Setting> all = {{"in_air_player_spawn_chance", "0"},
                                {"random_point_on_map_spawn_chance", "0"},
                                {"in_vehicle_on_road_player_spawn_chance", "0"},
                                {"on_point_from_list_player_spawn_chance", "100"},
                                {"player_ped_skin_upon_respawn", "0"},
                                {"weapons_and_armor_settings_affecting_respawn_on_demand", "1"}};
    all.insert(all.end(), changes.begin(), changes.end());
    return testing_support::builtInSettingsWith(all);
}

// A game as after start-up, with the player in the given skin.
sim::World& gameIn(const char* skin, const std::string& settingsText) {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(settingsText);
    w.player()->model = sim::joaat(skin);
    readSettings();
    captureStartState();
    return w;
}

bool backInView(sim::World& w) {
    return !testing_support::callsOf(w, fadeInNative).empty() && w.screen.fade == sim::FadeState::FadedIn &&
           w.player() && !w.player()->dead;
}

// The four kinds of respawn that apply the weapons option, each played in a
// fresh game with the player in the given skin; the option's value is given.
struct Respawn {
    const char* name;
    std::function<void(const char* skin, const std::string& weapons)> play;
};

const Respawn respawns[] = {
    {"after a death",
     [](const char* skin, const std::string& weapons) {
         sim::World& w = testing_support::loadPlugin();
         testing_support::writeSettingsFile(settingsWith({{"get_all_weapons_upon_respawn", weapons}}));
         w.player()->model = sim::joaat(skin);
         sim::startScript();
         sim::runFor(2000);
         sim::killPlayer(w);
         ASSERT_TRUE(sim::runUntil(backInView, 30000));
         sim::runFor(500);
     }},
    {"after a loading screen",
     [](const char* skin, const std::string& weapons) {
         sim::World& w = gameIn(skin, settingsWith({{"get_all_weapons_upon_respawn", weapons},
                                                    {"use_respawn_on_demand_automatically", "1"}}));
         sim::showLoadingScreen(w, 2000);
         watchLoadingScreens();
     }},
    {"on demand",
     [](const char* skin, const std::string& weapons) {
         gameIn(skin, settingsWith({{"get_all_weapons_upon_respawn", weapons}}));
         respawnOnDemand(true);
     }},
    {"with the stored skin",
     [](const char* skin, const std::string& weapons) {
         // The player changes into the stored skin, which is the one he wears at heart.
         std::string stored = std::to_string(static_cast<int32_t>(sim::joaat(storedSkin)));
         gameIn(skin, settingsWith({{"get_all_weapons_upon_respawn", weapons},
                                    {"player_ped_skin_upon_respawn", "3"},
                                    {"stored_last_used_skin", stored}}));
         playerState.lastSettingsCheckTime = 0;  // the first check puts the stored skin on
         runSettingsReread();
     }},
};

}  // namespace

TEST(RespawnOptions, EachRespawnTellsTheWeaponsOptionWhetherAnotherSkinIsWorn) {
    // Value 2 gives all weapons only in another skin, 3 only to a story character.
    for (const Respawn& respawn : respawns) {
        for (const char* skin : {otherSkin, "player_one"}) {
            for (const char* weapons : {"2", "3"}) {
                SCOPED_TRACE(testing::Message() << respawn.name << ", " << skin << ", value " << weapons);
                respawn.play(skin, weapons);
                bool story = std::string(skin) == "player_one";
                bool expected = story ? std::string(weapons) == "3" : std::string(weapons) == "2";
                EXPECT_EQ(!sim::world().player()->weapons.empty(), expected);
            }
        }
    }
}

TEST(RespawnOptions, AfterADeathInAnotherSkinTheRestoredPlayerKeepsHisWeaponsAndArmour) {
    // The skin comes back as a new ped: options applied before it would be lost.
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(
        settingsWith({{"get_all_weapons_upon_respawn", "1"}, {"get_full_armor_upon_respawn", "1"}}));
    w.player()->model = sim::joaat(otherSkin);
    sim::startScript();
    sim::runFor(2000);
    sim::killPlayer(w);
    ASSERT_TRUE(sim::runUntil(backInView, 30000));
    sim::runFor(500);
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
    EXPECT_EQ(w.player()->armour, 100);
    EXPECT_FALSE(w.player()->weapons.empty());
    long restored = -1;
    for (size_t i = 0; i < w.calls.size(); ++i) {
        const sim::CallRecord& call = w.calls[i];
        if (call.hash == setPlayerModelNative && static_cast<uint32_t>(call.args[1]) == sim::joaat(otherSkin))
            restored = static_cast<long>(i);
    }
    ASSERT_GE(restored, 0);
    EXPECT_GT(testing_support::firstCallIndex(w, setArmourNative), restored);
    EXPECT_GT(testing_support::firstCallIndex(w, setArmourNative), testing_support::firstCallIndex(w, fadeInNative))
        << "after the respawn has faded the screen in";
}
