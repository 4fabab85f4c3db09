// The stored skin: "stored_last_used_skin" enforced from the settings file and
// written back, through the once-a-second check of the main loop.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "respawn/loading_screens.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_write_job.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "skin/player_skin.h"
#include "tests/support/file_stamp.h"
#include "tests/support/plugin_state.h"

namespace {

// The once-a-second check, and the frames of the stored skin's write-back it
// begins (a write in steps), run to their end.
void checkAndWriteBack() {
    runSettingsReread();
    finishSettingsWrite();
}

const char* const modifiedNotice = "Pelorin.ini modified";

sim::Entity& player(sim::World& w) { return *w.player(); }

std::string storedSkinLine(uint32_t model) {
    return "stored_last_used_skin=" + std::to_string(static_cast<int32_t>(model)) + "\n";
}

// The built-in settings with some keys set otherwise ("key=value" lines).
std::string settingsText(const std::string& changedLines) {
    std::string text = testing_support::builtInSettingsText();
    size_t start = 0;
    while (start < changedLines.size()) {
        size_t end = changedLines.find('\n', start);
        std::string line = changedLines.substr(start, end - start);
        size_t equals = line.find('=');
        text = testing_support::withSetting(text, line.substr(0, equals), line.substr(equals + 1));
        start = end + 1;
    }
    return text;
}

// Writes the settings file and moves its write time on, as a save by the user
// some seconds later would.
void saveSettingsFile(const std::string& changedLines) {
    static int saves = 0;
    testing_support::writeSettingsFile(settingsText(changedLines));
    std::filesystem::path path = testing_support::gameDirectory() + "/Pelorin.ini";
    std::filesystem::last_write_time(path,
                                     std::filesystem::file_time_type::clock::now() + std::chrono::seconds(10 * ++saves));
}

// A running game as after start-up: the player's state captured, the file
// read and its write time recorded.
sim::World& startedGame(const std::string& extraLines) {
    sim::World& w = testing_support::loadPlugin();
    saveSettingsFile(extraLines);
    captureStartState();
    readSettings();
    settingsFileChanged();
    return w;
}

// The previous check lies this long back.
void previousCheckAgo(sim::World& w, uint32_t milliseconds) {
    playerState.lastSettingsCheckTime = w.tick() - milliseconds;
}

// The first check of a game puts the stored skin on, as a check after the
// player's save does.
void enforceAtFirstCheck() {
    playerState.lastSettingsCheckTime = 0;
    checkAndWriteBack();
}

// The notices that begin with text (a save's notice may go on with the problems found).
int countNotifications(const sim::World& w, const std::string& text) {
    int count = 0;
    for (const std::string& shown : w.notifications) count += shown.rfind(text, 0) == 0;
    return count;
}

uint32_t hipster() { return sim::joaat("a_m_y_hipster_01"); }

}  // namespace

TEST(StoredSkin, ActiveWhenThePlayerWearsTheStoredModel) {
    sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")));
    EXPECT_TRUE(isStoredSkinActive());
    saveSettingsFile(storedSkinLine(hipster()));
    EXPECT_FALSE(isStoredSkinActive());  // read afresh, not from an earlier read
    player(w).model = hipster();
    EXPECT_TRUE(isStoredSkinActive());
    saveSettingsFile("");
    EXPECT_FALSE(isStoredSkinActive());
}

TEST(StoredSkin, ChangeSinceLastCheckNeedsANewModelOfALivingPlayer) {
    sim::World& w = startedGame(storedSkinLine(hipster()));
    playerState.modelAtLastCheck = sim::joaat("player_zero");
    EXPECT_FALSE(skinChangedSinceLastCheck());

    player(w).model = sim::joaat("player_one");
    EXPECT_TRUE(skinChangedSinceLastCheck());
    player(w).dead = true;
    EXPECT_FALSE(skinChangedSinceLastCheck());
    player(w).dead = false;

    player(w).model = hipster();  // the stored one
    EXPECT_FALSE(skinChangedSinceLastCheck());
}

TEST(StoredSkin, EnforcingAppliesTheStoredSkinAndTheOptions) {
    struct Case {
        int32_t options;
        bool weapons, armour;
    };
    for (const Case& c : {Case{1, true, true}, Case{2, true, false}, Case{3, false, true}, Case{0, false, false}}) {
        sim::World& w = startedGame(storedSkinLine(hipster()) + "get_all_weapons_upon_respawn=1\n"
                                    "get_full_armor_upon_respawn=1\n"
                                    "weapons_and_armor_settings_affecting_respawn_on_demand=" +
                                    std::to_string(c.options) + "\n");
        enforceAtFirstCheck();
        SCOPED_TRACE(testing::Message() << "options " << c.options);
        EXPECT_EQ(player(w).model, hipster());
        EXPECT_EQ(playerState.playerPed, w.playerPed);
        EXPECT_EQ(player(w).weapons.empty(), !c.weapons);
        EXPECT_EQ(player(w).armour, c.armour ? 100 : 0);

        // Already worn: nothing more happens.
        w.calls.clear();
        player(w).armour = 0;
        enforceAtFirstCheck();
        EXPECT_EQ(player(w).armour, 0);
        EXPECT_EQ(w.countCalls(0x963D27A58DF860ACull), 0);
    }
}

TEST(StoredSkin, EnforcingNeedsSkinPolicyThree) {
    for (int32_t policy : {0, 1, 2, 4}) {
        sim::World& w = startedGame(storedSkinLine(hipster()) + "get_full_armor_upon_respawn=1\n");
        settings.player_ped_skin_upon_respawn = policy;
        enforceStoredSkin();
        EXPECT_EQ(player(w).model, sim::joaat("player_zero"));
        EXPECT_EQ(player(w).armour, 0);
    }
}

TEST(StoredSkin, TypedSkinIsAppliedByACheckWithItsGateOpen) {
    sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")));
    saveSettingsFile(storedSkinLine(hipster()));
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_EQ(player(w).model, hipster());
    EXPECT_EQ(countNotifications(w, modifiedNotice), 1);
    EXPECT_EQ(playerState.modelAtLastCheck, hipster());
}

TEST(StoredSkin, TypedSkinIsDroppedByACheckWithItsGateClosed) {
    sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")));
    saveSettingsFile(storedSkinLine(hipster()));
    previousCheckAgo(w, 1001);
    checkAndWriteBack();
    EXPECT_EQ(player(w).model, sim::joaat("player_zero"));
    EXPECT_EQ(countNotifications(w, modifiedNotice), 1);

    // The next check with an open gate sees no new change of the file.
    previousCheckAgo(w, 5000);
    checkAndWriteBack();
    EXPECT_EQ(player(w).model, sim::joaat("player_zero"));
}

TEST(StoredSkin, NewSkinIsWrittenBackWithoutTheModifiedNotice) {
    sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")));
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_EQ(readStoredSkin(), sim::joaat("player_zero"));

    player(w).model = hipster();  // the game or another script changed the skin
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_EQ(readStoredSkin(), hipster());
    EXPECT_FALSE(playerState.storedSkinWritePending);

    // The write-back changed the file; the next check knows it as its own.
    previousCheckAgo(w, 1001);
    checkAndWriteBack();
    EXPECT_EQ(countNotifications(w, modifiedNotice), 0);
    EXPECT_EQ(player(w).model, hipster());

    // The player's next save is announced, even right after our write.
    player(w).model = sim::joaat("player_one");
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    ASSERT_EQ(readStoredSkin(), sim::joaat("player_one"));
    saveSettingsFile(storedSkinLine(sim::joaat("player_one")) + "first_wait_time=6000\n");
    previousCheckAgo(w, 1001);
    checkAndWriteBack();
    EXPECT_EQ(countNotifications(w, modifiedNotice), 1);
}

TEST(StoredSkin, FailedWriteBackIsTriedAgainAndKeepsTheNextNotice) {
    sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")));
    std::filesystem::path path = testing_support::gameDirectory() + "/Pelorin.ini";
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    player(w).model = hipster();
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_TRUE(playerState.storedSkinWritePending);
    EXPECT_EQ(readStoredSkin(), sim::joaat("player_zero"));  // the read-only file is untouched

    // Still read-only: nothing written, still pending, and no notice.
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_TRUE(playerState.storedSkinWritePending);
    EXPECT_EQ(readStoredSkin(), sim::joaat("player_zero"));

    // Writable again (which leaves the write time as it was): the next check
    // with its gate open writes the skin worn then.
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    player(w).model = sim::joaat("player_one");
    playerState.modelAtLastCheck =
        sim::joaat("player_one");  // not a change since the last check: only the retry writes
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_FALSE(playerState.storedSkinWritePending);
    EXPECT_EQ(readStoredSkin(), sim::joaat("player_one"));
    EXPECT_EQ(countNotifications(w, modifiedNotice), 0);

    // The failed writes took nothing from the notice of the player's next save.
    saveSettingsFile(storedSkinLine(sim::joaat("player_one")) + "first_wait_time=6000\n");
    previousCheckAgo(w, 1001);
    checkAndWriteBack();
    EXPECT_EQ(countNotifications(w, modifiedNotice), 1);
}

TEST(StoredSkin, PlayersSaveReplacesAPendingWriteBack) {
    sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")));
    std::filesystem::path path = testing_support::gameDirectory() + "/Pelorin.ini";
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    player(w).model = hipster();
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    ASSERT_TRUE(playerState.storedSkinWritePending);
    // The player makes the file writable and types a skin of his own; the
    // check runs with its gate closed, so the typed skin is not put on yet.
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    saveSettingsFile(storedSkinLine(sim::joaat("player_two")));
    previousCheckAgo(w, 1001);
    checkAndWriteBack();
    EXPECT_FALSE(playerState.storedSkinWritePending);
    EXPECT_EQ(readStoredSkin(), sim::joaat("player_two"));
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_EQ(readStoredSkin(), sim::joaat("player_two"));
}

TEST(StoredSkin, NewSkinIsWrittenBackOnlyWithSkinPolicyThree) {
    for (int32_t policy : {0, 1, 2, 4, -1}) {
        sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")) +
                                    "player_ped_skin_upon_respawn=" + std::to_string(policy) + "\n");
        player(w).model = hipster();
        playerState.modelAtLastCheck = sim::joaat("player_zero");
        previousCheckAgo(w, 3000);
        checkAndWriteBack();
        EXPECT_EQ(readStoredSkin(), sim::joaat("player_zero")) << policy;
        EXPECT_FALSE(playerState.storedSkinWritePending) << policy;
    }
}

TEST(StoredSkin, NoWriteBackSoonAfterALoadingScreen) {
    sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")) + "time_before_reset_skin=5000\n");
    playerState.loadingScreenEndTime = w.tick() - 4000;
    player(w).model = hipster();
    playerState.modelAtLastCheck = sim::joaat("player_zero");
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_EQ(readStoredSkin(), sim::joaat("player_zero"));
    EXPECT_FALSE(playerState.storedSkinWritePending);
}

TEST(StoredSkin, WriteBackBeforeAnyLoadingScreenAfterALongUptime) {
    // More than 24.8 days of uptime and no loading screen seen yet.
    sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")));
    w.setTickBase(0x90000000u);
    ASSERT_EQ(playerState.loadingScreenEndTime, 0u);
    player(w).model = hipster();
    playerState.modelAtLastCheck = sim::joaat("player_zero");
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_EQ(readStoredSkin(), hipster());
}

TEST(StoredSkin, MainLoopAppliesATypedSkinWithinASecond) {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(
        settingsText(storedSkinLine(sim::joaat("player_zero")) + "wait_time_before_skin_change=0\n"));
    sim::startScript();
    sim::runFor(1500);
    ASSERT_EQ(player(w).model, sim::joaat("player_zero"));

    saveSettingsFile(storedSkinLine(hipster()) + "wait_time_before_skin_change=0\n");
    EXPECT_TRUE(sim::runUntil([](sim::World& world) { return world.player()->model == hipster(); }, 1200));
    sim::stopScript();
}

TEST(StoredSkin, MainCharacterThatAMissionDeathForcedOnThePlayerIsNotStored) {
    // A death in another skin during a mission: he is reset to the main
    // character so that the game can bring him back, and the mission leaves
    // him so. The next checks must keep his stored skin.
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(settingsText(storedSkinLine(hipster()) +
                                                    "player_ped_skin_upon_respawn=3\nwait_time_before_skin_change=0\n"));
    player(w).model = hipster();
    sim::startMission(w);
    sim::startScript();
    sim::runFor(3000);
    sim::killPlayer(w);
    sim::runFor(40000);
    EXPECT_EQ(player(w).model, sim::joaat("player_zero")) << "the skin the game left him in";
    EXPECT_EQ(readStoredSkin(), hipster());
}

TEST(StoredSkin, SkinTheGameForcesOnThePlayerUnseenByTheLoopIsNotStored) {
    // The game changes his skin where the main loop's turns do not see him
    // held: a mission death within a loading screen, and the ped replaced at
    // the very end of a death of ours. The first check that finds him free
    // takes what the game left him in as seen.
    struct Case {
        const char* what;
        void (*strike)(sim::World&);
    };
    const Case cases[] = {
        {"a mission death within a loading screen",
         [](sim::World& w) {
             sim::startMission(w);
             sim::showLoadingScreen(w, 8000);
             sim::runFor(2000);
             sim::killPlayer(w);
         }},
        {"the ped gone as our respawn ends",
         [](sim::World& w) {
             sim::killPlayer(w);
             sim::runUntil([](sim::World& world) { return world.screen.fade == sim::FadeState::FadedOut && world.screen.fadeSource == sim::FadeSource::Plugin; }, 40000);
             sim::playerPedVanishes(w, 3000);
         }},
    };
    for (const Case& c : cases) {
        sim::World& w = testing_support::loadPlugin();
        testing_support::writeSettingsFile(settingsText(
            storedSkinLine(hipster()) + "player_ped_skin_upon_respawn=3\nwait_time_before_skin_change=0\n"));
        player(w).model = hipster();
        sim::startScript();
        sim::runFor(3000);
        c.strike(w);
        sim::runFor(60000);
        EXPECT_NE(player(w).model, hipster()) << c.what << ": the game left him in another skin";
        EXPECT_EQ(readStoredSkin(), hipster()) << c.what;
        sim::stopScript();
    }
}

// An editor's save under way (truncated, written in parts) is whole by every
// test but time: the write-back never goes into a file written a moment ago,
// and lands once the file has been still a while.
TEST(StoredSkin, NoWriteBackIntoAFileWrittenAMomentAgo) {
    sim::World& w = startedGame(storedSkinLine(sim::joaat("player_zero")));
    constexpr uint32_t base = 0x10000000u;
    w.setTickBase(base);
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    // His save, seen by a check, and a moment later a new skin to store.
    saveSettingsFile(storedSkinLine(sim::joaat("player_zero")) + "first_wait_time=6000\n");
    testing_support::stampSettingsFileSavedNow();
    previousCheckAgo(w, 1001);
    checkAndWriteBack();
    player(w).model = hipster();
    previousCheckAgo(w, 3000);  // (the check's own clock: the file's age moves with the game's)
    checkAndWriteBack();
    EXPECT_EQ(readStoredSkin(), sim::joaat("player_zero")) << "nothing written into a save maybe under way";
    EXPECT_TRUE(playerState.storedSkinWritePending);

    w.setTickBase(base + 2000);  // the file still for 2 s
    previousCheckAgo(w, 3000);
    checkAndWriteBack();
    EXPECT_EQ(readStoredSkin(), hipster());
    EXPECT_FALSE(playerState.storedSkinWritePending);
    ProfileSection section;
    std::string text;
    ASSERT_TRUE(readSettingsSection(&section, &text));
    EXPECT_EQ(profileInt(section, "first_wait_time", 0), 6000u) << "his save kept";
}
