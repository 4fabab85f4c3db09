#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pelorin_version.h"
#include "plugin/startup_banner.h"
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

}  // namespace

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
