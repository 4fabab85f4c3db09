#include <gtest/gtest.h>

#include <algorithm>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "pelorin_version.h"
#include "plugin/startup_banner.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_write_job.h"
#include "shared/on_screen_text.h"
#include "shared/player_state.h"
#include "sim/script_host.h"
#include "tests/support/plugin_state.h"

namespace {

const std::string banner = "Pelorin " PELORIN_VERSION " loaded";
const std::string missingFile = "Pelorin.ini was not found. Please install it.";

std::vector<uint64_t> hashesOf(const sim::World& w) {
    std::vector<uint64_t> hashes;
    for (const sim::CallRecord& call : w.calls) hashes.push_back(call.hash);
    return hashes;
}

std::string fileText(const std::string& name) {
    std::ifstream in(testing_support::gameDirectory() + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The shipped file without the keys that came after the first release: the
// file of a player who updates and keeps his own.
std::string olderSettingsText() {
    std::string text = testing_support::shippedSettingsText(), older;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("write_log_file=", 0) != 0 && line.rfind("save_spawn_point_key_", 0) != 0 &&
            line.rfind("menu_key_", 0) != 0)
            older += line + "\n";
    return older;
}

// The lines of a text, in order, are lines of another, in the same order.
bool linesKeptIn(const std::string& original, const std::string& text) {
    std::istringstream a(original), b(text);
    std::string wanted, line;
    while (std::getline(a, wanted)) {
        bool found = false;
        while (!found && std::getline(b, line)) found = line == wanted;
        if (!found) return false;
    }
    return true;
}

}  // namespace

// A text longer than a component goes as several, each within the game's
// limit, cut between UTF-8 characters, and the game shows it whole.
TEST(Notifications, ALongTextGoesAsComponentsThatTheGameShowsWhole) {
    sim::World& w = testing_support::loadPlugin();
    std::string text(98, 'a');
    text += "\xC3\xA9\xC3\xA9";  // "éé": the first one straddles the 99th byte
    text += std::string(150, 'b');
    showNotification(text.c_str());
    ASSERT_EQ(w.notifications, std::vector<std::string>{text});
    std::vector<std::string> parts;
    for (const sim::CallRecord& call : w.calls)
        if (call.hash == 0x6C188BE134E074AAull) parts.push_back("");
    EXPECT_EQ(parts.size(), 3u);
    w.notifications.clear();
    for (size_t length : {size_t{0}, size_t{99}, size_t{100}, size_t{198}, size_t{199}}) {
        std::string plain(length, 'x');
        showNotification(plain.c_str());
        EXPECT_EQ(w.notifications.back(), plain) << length;
    }
}

// Every notification the plug-in posts of more than one component, at its
// longest, reaches the player whole: the start with problems, a file under
// another name, what is new, the save's advice.
TEST(Notifications, TheLongestTextsThePluginShowsArriveWhole) {
    sim::World& w = testing_support::loadPlugin();
    std::string text = testing_support::builtInSettingsWith({{"custom_spawn_chance", "10"},
                                                             {"on_point_from_list_player_spawn_chance", "-1060"},
                                                             {"save_spawn_point_key_1_of_2", "17"},
                                                             {"save_spawn_point_key_2_of_2", "76"}});
    for (int i = 0; i < 1200; ++i) text += "misspelt_key_" + std::to_string(i) + "=1\n";
    testing_support::writeSettingsFile(text);
    sim::startScript();
    sim::runFor(2000);
    ASSERT_FALSE(w.notifications.empty());
    EXPECT_EQ(w.notifications[0].rfind(banner + ": ", 0), 0u) << w.notifications[0];
    EXPECT_NE(w.notifications[0].find(" problems in Pelorin.ini, run pelorin-check.exe"), std::string::npos)
        << w.notifications[0];

    uint32_t now = w.tick();
    w.keyMessageAt(now + 50, 17, false);
    w.keyMessageAt(now + 150, 76, false);
    w.keyMessageAt(now + 250, 76, true);
    w.keyMessageAt(now + 400, 17, true);
    sim::runFor(1000);
    const std::string advice =
        "It is never picked: The chances before custom_spawn_chance add up to -1000. Make none of them negative.";
    ASSERT_GT(advice.size(), 99u);
    EXPECT_EQ(std::count(w.notifications.begin(), w.notifications.end(), advice), 1);
}

TEST(Notifications, StartCountsTheProblemsOfTheFile) {
    sim::World& w = testing_support::loadPlugin();
    // A misspelt key, and custom spawns asked for with no point saved (the
    // guide's recipe before the first save).
    testing_support::writeSettingsFile(testing_support::builtInSettingsWith(
                                           {{"custom_spawn_chance", "10"}, {"on_point_from_list_player_spawn_chance", "30"}}) +
                                       "custom_spawn_chanse=10\n");
    ASSERT_TRUE(readSettings());
    showStartupBanner();
    EXPECT_EQ(w.notifications,
              std::vector<std::string>{banner + ": 2 problems in Pelorin.ini, run pelorin-check.exe"});
}

TEST(Notifications, StartNamesASettingsFileSavedUnderAnotherName) {
    const std::pair<const char*, const char*> cases[] = {
        {"Pelorin.ini.txt", "Pelorin.ini was not found, but Pelorin.ini.txt is there: rename it to Pelorin.ini "
                            "(Windows hides the .txt)"},
        {"Pelorin-default.ini", "Pelorin.ini was not found, but Pelorin-default.ini is there: rename it to Pelorin.ini"},
    };
    for (const auto& c : cases) {
        sim::World& w = testing_support::loadPlugin();
        std::ofstream(testing_support::gameDirectory() + "/" + c.first) << testing_support::builtInSettingsText();
        applyBuiltInSettings();
        showStartupBanner();
        EXPECT_EQ(w.notifications, (std::vector<std::string>{banner, c.second}));
    }
}

// A file of an older Pelorin: the menu and the save chord work from its
// first start, which says once what is new; the keys are added to the file
// with the values they had, every line of the player's kept.
TEST(Notifications, AnOlderFileGetsEverythingAndHearsWhatIsNewOnce) {
    sim::World& w = testing_support::loadPlugin();
    const std::string older = olderSettingsText();
    testing_support::writeSettingsFile(older);
    ASSERT_TRUE(readSettings());
    EXPECT_EQ(settings.menu_key_1_of_2, 17);
    EXPECT_EQ(settings.menu_key_2_of_2, 118);
    EXPECT_EQ(settings.save_spawn_point_key_1_of_2, 17);
    EXPECT_EQ(settings.save_spawn_point_key_2_of_2, 76);
    EXPECT_EQ(settings.write_log_file, 1);
    showStartupBanner();
    finishSettingsWrite();  // the frames of the keys' write
    ASSERT_EQ(w.notifications.size(), 2u);
    EXPECT_EQ(w.notifications[1], "New in Pelorin " PELORIN_VERSION ": a menu with every setting, open it with Ctrl+F7; "
                                  "save where you stand as a custom point with Ctrl+L; Pelorin.log");
    std::string after = fileText("Pelorin.ini");
    EXPECT_TRUE(linesKeptIn(older, after));
    for (const char* line : {"write_log_file=1", "save_spawn_point_key_1_of_2=17", "save_spawn_point_key_2_of_2=76",
                             "menu_key_1_of_2=17", "menu_key_2_of_2=118"})
        EXPECT_NE(after.find(line), std::string::npos) << line;
    EXPECT_EQ(after.find("\nmenu_controller_button"), std::string::npos) << "keys shipped as comments stay out";

    // The next start: nothing new.
    playerState.bannerShown = false;
    w.notifications.clear();
    ASSERT_TRUE(readSettings());
    showStartupBanner();
    finishSettingsWrite();
    EXPECT_EQ(w.notifications, std::vector<std::string>{banner});
    EXPECT_EQ(fileText("Pelorin.ini"), after);
}

TEST(Notifications, PostsTheTextThroughTheFeedNatives) {
    sim::World& w = testing_support::loadPlugin();
    showNotification("Pelorin.ini modified");
    ASSERT_EQ(hashesOf(w), (std::vector<uint64_t>{0x202709F4C58A0424ull, 0x6C188BE134E074AAull, 0x2ED7843F8F801023ull}));
    EXPECT_EQ(w.calls[2].args, (std::vector<uint64_t>{1, 1}));
    EXPECT_EQ(w.pendingComponentType, "STRING");
    EXPECT_EQ(w.notifications, std::vector<std::string>{"Pelorin.ini modified"});
}

TEST(Notifications, BannerWaitsForTheEndOfALoadingScreenAndComesOnce) {
    sim::World& w = testing_support::loadPlugin();
    w.screen.loadingScreen = true;
    for (int frame = 0; frame < 3; ++frame) showStartupBanner();
    EXPECT_TRUE(w.notifications.empty());
    EXPECT_FALSE(playerState.bannerShown);
    w.screen.loadingScreen = false;
    showStartupBanner();
    EXPECT_EQ(w.notifications, (std::vector<std::string>{banner, missingFile}));
    EXPECT_TRUE(playerState.bannerShown);
    showStartupBanner();
    w.screen.loadingScreen = true;
    showStartupBanner();
    EXPECT_EQ(w.notifications.size(), 2u);
}

TEST(Notifications, BannerAloneWhenTheFileIsThere) {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(testing_support::builtInSettingsText());
    showStartupBanner();
    EXPECT_EQ(w.notifications, std::vector<std::string>{banner});
}

TEST(Notifications, MainLoopShowsTheBannerOnTheFirstFrameAfterLoading) {
    sim::World& w = testing_support::loadPlugin();
    // No post-loading follow-up, which would run before the banner step.
    testing_support::writeSettingsFile(testing_support::builtInSettingsWith(
        {{"use_respawn_on_demand_automatically", "0"}, {"player_ped_skin_upon_respawn", "0"}}));
    w.screen.loadingScreen = true;
    uint32_t loadingEnd = w.tick() + 2000;
    w.at(loadingEnd, [](sim::World& world) { world.screen.loadingScreen = false; });
    sim::startScript();
    sim::runFor(4000);
    ASSERT_EQ(w.notifications, std::vector<std::string>{banner});
    EXPECT_GE(w.notificationTicks[0], loadingEnd);
    EXPECT_LE(w.notificationTicks[0], loadingEnd + 2 * 17);
}

TEST(Notifications, MainLoopReportsAMissingFileRightAfterTheBanner) {
    sim::World& w = testing_support::loadPlugin();
    w.screen.loadingScreen = true;
    uint32_t loadingEnd = w.tick() + 2000;
    w.at(loadingEnd, [](sim::World& world) { world.screen.loadingScreen = false; });
    sim::startScript();
    sim::runFor(15000);
    ASSERT_EQ(w.notifications, (std::vector<std::string>{banner, missingFile}));
    EXPECT_GE(w.notificationTicks[0], loadingEnd);
    EXPECT_EQ(w.notificationTicks[1], w.notificationTicks[0]);
}

TEST(Notifications, CountdownShowsWholeSecondsInItsStyle) {
    sim::World& w = testing_support::loadPlugin();
    const std::pair<uint32_t, const char*> cases[] = {{0, "Respawn in max 0"},       {999, "Respawn in max 0"},
                                                      {1000, "Respawn in max 1"},    {59999, "Respawn in max 59"},
                                                      {20000, "Respawn in max 20"},  {0xFFFFFFFFu, "Respawn in max 4294967"}};
    for (const auto& c : cases) {
        w.textDraws.clear();
        drawRespawnCountdown(c.first);
        ASSERT_EQ(w.textDraws.size(), 1u);
        EXPECT_EQ(w.textDraws[0].text, c.second);
    }
    const sim::TextDraw& d = w.textDraws[0];
    EXPECT_EQ(d.red, 0);
    EXPECT_EQ(d.green, 255);
    EXPECT_EQ(d.blue, 0);
    EXPECT_EQ(d.alpha, 230);
    EXPECT_EQ(d.font, 7);
    EXPECT_EQ(d.scale, 1.0f);
    EXPECT_EQ(d.size, 0.8f);
    EXPECT_EQ(d.wrapLeft, 0.0f);
    EXPECT_EQ(d.wrapRight, 1.0f);
    EXPECT_TRUE(d.centred);
    EXPECT_TRUE(d.outline);
    EXPECT_EQ(d.shadowDistance, 0);
    EXPECT_EQ(d.edge, 1);
    EXPECT_EQ(d.edgeAlpha, 205);
    EXPECT_EQ(d.x, 0.5f);
    EXPECT_EQ(d.y, 0.9f);
    EXPECT_EQ(w.pendingComponentType, "STRING");

    // The style is set in this order before each draw, with these arguments.
    w.calls.clear();
    drawRespawnCountdown(5000);
    ASSERT_EQ(hashesOf(w), (std::vector<uint64_t>{0xBE6B23FFA53FB442ull, 0x66E0276CC5F6B9DAull, 0x07C837F9A01C34C9ull,
                                                   0x63145D9C883A1A70ull, 0xC02F4DBFB51D988Bull, 0x2513DFB0FB8400FEull,
                                                   0x465C84BC39F1C351ull, 0x441603240D202FA6ull, 0x25FBB336DF1804CBull,
                                                   0x6C188BE134E074AAull, 0xCD015E5BB0D96A57ull}));
    EXPECT_EQ(w.calls[0].args, (std::vector<uint64_t>{0, 255, 0, 230}));
    EXPECT_EQ(w.calls[4].args, std::vector<uint64_t>{1});
    EXPECT_TRUE(w.calls[5].args.empty());
    EXPECT_EQ(w.calls[6].args, (std::vector<uint64_t>{0, 0, 0, 0, 0}));
    EXPECT_EQ(w.calls[7].args, (std::vector<uint64_t>{1, 0, 0, 0, 205}));
}
