// The death and arrest handler: detection, the screen phase with its deadline
// and countdown, the wait for the game, the take-over and the watch steps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "respawn/death_handler.h"
#include "respawn/respawn_sequences.h"
#include "settings/settings_record.h"
#include "spawn/ground_spawn.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "tests/support/call_log.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::callsOf;

const char* const otherSkin = "a_m_y_hipster_01";

// Moves the clock so that the tick count reads `now` (a fresh world starts at 100000).
void setTickCount(sim::World& w, uint32_t now) { w.setTickBase(now - (w.tick() - 100000u)); }

int countSounds(const sim::World& w, const std::string& soundSet) {
    int count = 0;
    for (const sim::SoundRecord& sound : w.sounds) count += sound.soundSet == soundSet;
    return count;
}

// A running game without a settings file (the built-in values apply), the
// player wearing the given skin. Settings may be changed once it returns.
sim::World& runningGame(const char* skin = "player_zero") {
    sim::World& w = testing_support::loadPlugin();
    w.player()->model = sim::joaat(skin);
    sim::startScript();
    sim::runFor(1000);
    return w;
}

// Kills the player and returns the moment the handler detected it.
uint32_t killAndDetect(sim::World& w) {
    sim::killPlayer(w);
    sim::runFor(200);
    return playerState.deathTime;
}

// When the screen phase ended: the wait for the game starts with time scale 1.0.
uint32_t screenPhaseEnd(const sim::World& w) {
    for (const sim::CallRecord& call : callsOf(w, setTimeScaleNative))
        if (testing_support::floatArgument(call, 0) == 1.0f) return call.tick;
    return 0;
}

bool screenPhaseEnded(const sim::World& w) { return screenPhaseEnd(w) != 0; }

// Runs until the screen phase has ended (the time scale back at 1.0).
bool runUntilScreenPhaseEnded(uint32_t limitMilliseconds) {
    testing_support::CallWatch normalSpeed(setTimeScaleNative, [](const sim::CallRecord& call) {
        return testing_support::floatArgument(call, 0) == 1.0f;
    });
    return sim::runUntil([&](sim::World& w) { return normalSpeed.seen(w); }, limitMilliseconds);
}

// The cut to black of the take-over (a fade-out over 0 ms), from the given tick on.
uint32_t cutToBlack(const sim::World& w, uint32_t from) {
    for (const sim::CallRecord& call : callsOf(w, fadeOutNative))
        if (static_cast<int32_t>(call.tick - from) >= 0 && call.args[0] == 0) return call.tick;
    return 0;
}

// The countdown lines drawn since the given tick.
std::vector<sim::TextDraw> countdownDraws(const sim::World& w, uint32_t from) {
    std::vector<sim::TextDraw> draws;
    for (const sim::TextDraw& draw : w.textDraws)
        if (static_cast<int32_t>(draw.tick - from) >= 0 && draw.text.rfind("Respawn in max ", 0) == 0)
            draws.push_back(draw);
    return draws;
}

// Runs until the handler has gone back to watching after an episode: the
// phase ended, the take-over cut to black, and a new pass took a fresh time.
bool runUntilEpisodeOver(uint32_t limitMilliseconds) {
    testing_support::CallWatch normalSpeed(setTimeScaleNative, [](const sim::CallRecord& call) {
        return testing_support::floatArgument(call, 0) == 1.0f;
    });
    testing_support::CallWatch cut(fadeOutNative, [](const sim::CallRecord& call) { return call.args[0] == 0; });
    return sim::runUntil(
        [&](sim::World& w) {
            uint32_t phaseEnd = 0;
            uint32_t cutTick = 0;
            return normalSpeed.seen(w, &phaseEnd) && cut.seen(w, &cutTick) &&
                   static_cast<int32_t>(cutTick - phaseEnd) >= 0 &&
                   static_cast<int32_t>(w.tick() - playerState.deathTime) < 100;
        },
        limitMilliseconds);
}

uint32_t firstTickFadedOut(sim::World& w, uint32_t limitMilliseconds) {
    sim::runUntil([](sim::World& world) { return world.screen.fade == sim::FadeState::FadedOut; }, limitMilliseconds);
    return w.tick();
}

}  // namespace

TEST(RespawnDeadline, FollowsTheSlowMotionTableInSinglePrecision) {
    testing_support::loadPlugin();
    settings.max_wait_time_before_respawn_upon_skin_exception = 20000.0f;
    playerState.deathTime = 100000;
    const struct {
        float slowMotion;
        uint32_t deadline;
    } rows[] = {{0.05f, 180000}, {0.1f, 135000}, {0.2f, 125000}, {0.3f, 125000}, {0.4f, 120000}, {0.8f, 120000},
                {0.0f, 180000},  {-1.0f, 180000}, {0.19999f, 135000}};
    for (const auto& row : rows) {
        settings.slow_motion_at_wasted_and_busted_screens = row.slowMotion;
        computeRespawnDeadline();
        EXPECT_EQ(playerState.respawnDeadline, row.deadline) << row.slowMotion;
    }
}

TEST(RespawnDeadline, LastRowKeepsTheLow32BitsPastTheWrap) {
    testing_support::loadPlugin();
    settings.slow_motion_at_wasted_and_busted_screens = 0.8f;
    settings.max_wait_time_before_respawn_upon_skin_exception = 20000.0f;
    playerState.deathTime = 0xFFFFF000u;
    computeRespawnDeadline();
    // The single-precision sum is exact only to a few hundred ms at this size.
    EXPECT_LE(std::abs(static_cast<int32_t>(playerState.respawnDeadline - (playerState.deathTime + 20000u))), 512);
    // A missing key (-1) waits not at all; a huge one is held to two minutes.
    settings.max_wait_time_before_respawn_upon_skin_exception = -1.0f;
    playerState.deathTime = 100000;
    computeRespawnDeadline();
    EXPECT_EQ(playerState.respawnDeadline, 100000u);
    settings.max_wait_time_before_respawn_upon_skin_exception = 2147483647.0f;
    computeRespawnDeadline();
    EXPECT_EQ(playerState.respawnDeadline, 220000u);
}

TEST(DeathDetection, DeadAndArrestedAtOnceIsADeath) {
    sim::World& w = runningGame();
    sim::arrestPlayer(w);
    uint32_t detected = killAndDetect(w);
    sim::runFor(1000);
    EXPECT_FALSE(playerState.wasBusted);
    EXPECT_EQ(playerState.deathTime, detected) << "the detection time stays frozen during the episode";
}

TEST(DeathDetection, ArrestAloneIsBusted) {
    sim::World& w = runningGame();
    sim::arrestPlayer(w);
    sim::runFor(1200);
    EXPECT_TRUE(playerState.wasBusted);
    EXPECT_FALSE(screenPhaseEnded(w));
}

TEST(DeathDetection, ArrestWhileTheGameReplacesThePedKeepsTheLastSeenPlaceAsTheDeathPoint) {
    sim::World& w = runningGame();
    settings.on_point_from_list_player_spawn_chance = 100;
    settings.in_air_player_spawn_chance = settings.in_vehicle_on_road_player_spawn_chance =
        settings.random_point_on_map_spawn_chance = 0;
    settings.preferred_spawn_distance = 2147483647;  // no list place near the target: the death point itself
    sim::Vec3 seen = w.player()->position;
    sim::playerPedVanishes(w, 600);
    sim::runFor(300);
    EXPECT_EQ(playerState.lastPlayerPosition.x, seen.x);
    EXPECT_EQ(playerState.lastPlayerPosition.z, seen.z);
    sim::arrestPlayer(w);
    ASSERT_TRUE(runUntilEpisodeOver(60000));
    EXPECT_EQ(w.player()->position.x, seen.x) << "back where he was last seen, not at the map's origin";
    EXPECT_EQ(w.player()->position.y, seen.y);
}

TEST(DeathScreen, CountdownRunsFrom7500MsWhileFadedInAndEndsAtTheDeadline) {
    // Another skin whose reset waits longer than the screen: the game keeps
    // its wasted screen up, faded in, until the phase ends.
    sim::World& w = runningGame(otherSkin);
    settings.time_before_reset_skin = 50000;
    uint32_t died = killAndDetect(w);
    // A stretch where the screen is neither faded in nor out.
    w.at(died + 10000, [](sim::World& world) {
        world.screen.fade = sim::FadeState::FadingIn;
        world.screen.fadeStart = world.tick();
        world.screen.fadeDuration = 2000;
    });
    ASSERT_TRUE(runUntilScreenPhaseEnded(25000));
    std::vector<sim::TextDraw> draws = countdownDraws(w, died);
    ASSERT_FALSE(draws.empty());
    EXPECT_GT(draws.front().tick - died, 7500u);
    EXPECT_LE(draws.front().tick - died, 7500u + 17u);
    EXPECT_EQ(draws.front().text, "Respawn in max 12");
    for (const sim::TextDraw& draw : draws)
        EXPECT_FALSE(draw.tick - died >= 10000 && draw.tick - died < 12000) << "drawn while fading at " << draw.tick;
    EXPECT_EQ(draws.back().text, "Respawn in max 0");
    EXPECT_GT(draws.back().tick - died, 20000u);
    EXPECT_LE(draws.back().tick - died, 20000u + 17u);
    // The reset waits longer than the screen, so it comes 5 s before the
    // deadline: the game can bring back only its own characters.
    std::vector<sim::CallRecord> resets = callsOf(w, setPlayerModelNative);
    ASSERT_EQ(resets.size(), 1u);
    EXPECT_EQ(static_cast<uint32_t>(resets[0].args[1]), sim::joaat("player_zero"));
    EXPECT_GT(resets[0].tick - died, 15000u - 100u);
    EXPECT_LE(resets[0].tick - died, 15000u + 100u) << "with the model's load";
    ASSERT_TRUE(runUntilEpisodeOver(30000));
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin)) << "the skin is back after the respawn";
    EXPECT_FALSE(w.player()->dead);
}

TEST(DeathScreen, VeryLowSlowMotionDrawsNoCountdownBefore40s) {
    sim::World& w = runningGame(otherSkin);
    settings.time_before_reset_skin = 200000;
    settings.slow_motion_at_wasted_and_busted_screens = 0.05f;
    uint32_t died = killAndDetect(w);
    EXPECT_EQ(playerState.respawnDeadline, died + 80000);
    ASSERT_TRUE(runUntilScreenPhaseEnded(85000));
    std::vector<sim::TextDraw> draws = countdownDraws(w, died);
    ASSERT_FALSE(draws.empty());
    EXPECT_GT(draws.front().tick - died, 40000u);
    EXPECT_LE(draws.front().tick - died, 40000u + 17u);
    EXPECT_EQ(draws.front().text, "Respawn in max 39");
    EXPECT_GT(screenPhaseEnd(w) - died, 80000u);
}

TEST(DeathScreen, StoryCharacterPhaseEndsWhenTheGameHasFadedOutWithoutCountdown) {
    sim::World& w = runningGame();
    uint32_t died = killAndDetect(w);
    uint32_t fadedOut = firstTickFadedOut(w, 10000);
    ASSERT_TRUE(runUntilScreenPhaseEnded(5000));
    EXPECT_GE(screenPhaseEnd(w) - died, 5500u);
    EXPECT_LE(screenPhaseEnd(w) - fadedOut, 17u) << "the first faded-out frame after the first wait";
    EXPECT_TRUE(countdownDraws(w, died).empty());
}

TEST(DeathScreen, ShortFirstWaitEndsAtTheFirstFadedOutFrameAndALongOneMissesIt) {
    {
        sim::World& w = runningGame();
        settings.first_wait_time = 1000.0f;
        killAndDetect(w);
        uint32_t fadedOut = firstTickFadedOut(w, 10000);
        ASSERT_TRUE(runUntilScreenPhaseEnded(5000));
        EXPECT_LE(screenPhaseEnd(w) - fadedOut, 17u);
    }
    {
        // The game has faded in again, and the player is back, before the
        // first wait is over: the phase can only end at the deadline.
        sim::World& w = runningGame();
        settings.first_wait_time = 9500.0f;
        uint32_t died = killAndDetect(w);
        ASSERT_TRUE(runUntilScreenPhaseEnded(25000));
        EXPECT_GT(screenPhaseEnd(w) - died, 20000u);
        EXPECT_EQ(countdownDraws(w, died).back().text, "Respawn in max 0");
    }
}

TEST(DeathScreen, WithoutTheDeathEffectTheDeadlineEndsThePhaseWhateverTheScreenShows) {
    auto suppressDeathEffect = [](sim::World& w) {
        w.frameRules.push_back([](sim::World& world) { world.screen.effects.erase("DeathFailOut"); });
    };
    {
        sim::World& w = runningGame();
        suppressDeathEffect(w);
        uint32_t died = killAndDetect(w);
        ASSERT_TRUE(runUntilScreenPhaseEnded(25000));
        EXPECT_GT(screenPhaseEnd(w) - died, 20000u);
        EXPECT_LE(screenPhaseEnd(w) - died, 20000u + 17u);
    }
    {
        // Another script keeps the screen faded out from 15 s to 60 s: the
        // phase still ends at the deadline; the game has put the player back,
        // so the wait for it gives up 10 s later rather than keep him in the
        // dark, and the main loop runs its check again at once.
        sim::World& w = runningGame();
        suppressDeathEffect(w);
        uint32_t died = killAndDetect(w);
        w.frameRules.push_back([died](sim::World& world) {
            uint32_t since = world.tick() - died;
            if (since >= 15000 && since < 60000) sim::leaveScreenFadedOut(world);
        });
        ASSERT_TRUE(runUntilScreenPhaseEnded(30000));
        EXPECT_GT(screenPhaseEnd(w) - died, 20000u);
        EXPECT_LE(screenPhaseEnd(w) - died, 20000u + 17u);
        EXPECT_EQ(w.screen.fade, sim::FadeState::FadedOut);
        ASSERT_TRUE(sim::runUntil([&](sim::World& world) { return cutToBlack(world, screenPhaseEnd(world)) != 0; },
                                  31000));
        uint32_t cut = cutToBlack(w, screenPhaseEnd(w));
        EXPECT_GE(cut - screenPhaseEnd(w), 10000u);
        EXPECT_LE(cut - screenPhaseEnd(w), 10000u + 150u);
        EXPECT_TRUE(sim::runUntil(
            [cut](sim::World&) { return static_cast<int32_t>(playerState.lastSettingsCheckTime - cut) > 0; }, 3000))
            << "the once-a-second check runs again after the episode";
        // The other script never fades back in: the black-screen rescue, counted
        // from our fade-in at the end of the episode, brings the picture back.
        EXPECT_TRUE(sim::runUntil([](sim::World& world) { return world.screen.fade != sim::FadeState::FadedOut; },
                                  90000))
            << "the player sees again within the rescue's 80 s";
    }
}

TEST(DeathScreen, OtherSkinIsResetToPlayerZeroOnceAfterTheEffect) {
    sim::World& w = runningGame(otherSkin);
    uint32_t died = killAndDetect(w);
    ASSERT_TRUE(runUntilEpisodeOver(60000));
    std::vector<sim::CallRecord> changes = callsOf(w, setPlayerModelNative);
    int resets = 0;
    for (const sim::CallRecord& call : changes)
        if (static_cast<uint32_t>(call.args[1]) == sim::joaat("player_zero")) {
            ++resets;
            EXPECT_GE(call.tick - died, 1000u) << "not before the game's death effect";
            EXPECT_LT(call.tick - died, 1500u);
        }
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin)) << "the skin is back after the respawn";
}

TEST(DeathScreen, ArrestInAnotherSkinOnAScreenAlreadyBlackIsResetBeforeThePhaseEndsAndHappensOnce) {
    sim::World& w = runningGame(otherSkin);
    settings.time_before_reset_skin = 12000;
    settings.first_wait_time = 8000.0f;
    settings.slow_motion_at_wasted_and_busted_screens = 0.3f;  // deadline 25 s
    // Another script holds the screen black; the police arrest the player meanwhile.
    sim::otherScriptFadesOut(w, 0, 0);
    sim::arrestPlayer(w);
    sim::runFor(200);
    uint32_t detected = playerState.deathTime;
    ASSERT_TRUE(runUntilScreenPhaseEnded(30000));
    uint32_t phaseEnd = screenPhaseEnd(w);
    std::vector<sim::CallRecord> changes = callsOf(w, setPlayerModelNative);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(static_cast<uint32_t>(changes[0].args[1]), sim::joaat("player_zero"));
    EXPECT_LE(changes[0].tick, phaseEnd) << "the reset comes before the phase ends";
    EXPECT_LT(phaseEnd - detected, 12000u) << "on the black screen, at the first wait";
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return world.gameRespawn.count > 0; }, 30000))
        << "the game can bring the player back";
    sim::runFor(40000);
    EXPECT_EQ(w.gameRespawn.count, 1);
    EXPECT_FALSE(w.beingArrested);
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin)) << "the skin is back after the take-over";
}

TEST(DeathScreen, SkinChangedDuringAnArrestIsResetSoThatTheGameCanBringThePlayerBack) {
    sim::World& w = runningGame("player_zero");
    sim::arrestPlayer(w);
    // A script changes the skin while the arrest runs: the skin tracker, idle
    // during an arrest, never sees it.
    w.player()->model = sim::joaat(otherSkin);
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return world.gameRespawn.count > 0; }, 40000))
        << "the game can bring the player back";
    std::vector<sim::CallRecord> changes = callsOf(w, setPlayerModelNative);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(static_cast<uint32_t>(changes[0].args[1]), sim::joaat("player_zero"));
    sim::runFor(40000);
    EXPECT_EQ(w.gameRespawn.count, 1) << "one episode";
}

TEST(DeathScreen, StoryCharacterIsNeverReset) {
    sim::World& w = runningGame("player_one");
    killAndDetect(w);
    ASSERT_TRUE(runUntilEpisodeOver(60000));
    for (const sim::CallRecord& call : callsOf(w, setPlayerModelNative))
        EXPECT_NE(static_cast<uint32_t>(call.args[1]), sim::joaat("player_zero"));
    EXPECT_EQ(w.player()->model, sim::joaat("player_one"));
}

TEST(TakeOver, MissionWithoutOverrideLeavesThePlayerInViewAndOnlyClearsMoneyAndRestoresTheCamera) {
    // The player dies during a mission: the game puts him back and fades in;
    // nothing of ours moves him, so the screen is never cut to black.
    sim::World& w = runningGame();
    w.missionActive = true;
    sim::runFor(300);
    settings.set_money_to_zero_upon_respawn_after_death = 1;
    settings.get_full_armor_upon_respawn = 1;
    killAndDetect(w);
    ASSERT_TRUE(runUntilScreenPhaseEnded(20000));
    testing_support::CallWatch cameraRestored(setViewModeNative, [](const sim::CallRecord& call) {
        return call.args[0] == 1u;
    });
    ASSERT_TRUE(sim::runUntil([&](sim::World& world) { return cameraRestored.seen(world); }, 35000));
    uint32_t episodeEnd = 0;
    cameraRestored.seen(w, &episodeEnd);
    sim::runFor(2000);
    EXPECT_GT(static_cast<int32_t>(playerState.lastSettingsCheckTime - episodeEnd), 0) << "the main loop goes on";
    EXPECT_TRUE(callsOf(w, fadeOutNative).empty()) << "no cut to black";
    EXPECT_EQ(countSounds(w, "DLC_HEIST_PLANNING_BOARD_SOUNDS"), 0) << "no respawn";
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn);
    EXPECT_NEAR(w.player()->position.x, 298.0f, 1.0f) << "where the game put him";
    EXPECT_EQ(w.stats[sim::joaat("SP0_TOTAL_CASH")], 0);
    EXPECT_EQ(w.player()->armour, 0);
    std::vector<sim::CallRecord> viewModes = callsOf(w, setViewModeNative);
    ASSERT_FALSE(viewModes.empty());
    EXPECT_EQ(viewModes.back().args[0], 1u) << "the view mode saved at detection";
    EXPECT_GT(viewModes.back().tick, screenPhaseEnd(w));
}

TEST(TakeOver, ComesAsSoonAsTheGameStartsFadingInWhileItStillReportsFadedOut) {
    // While the game fades in after putting the player back, its faded-out
    // question may still answer yes: the fade-in alone shows him back.
    sim::World& w = runningGame();
    uint32_t fadeInStarted = 0;
    w.frameRules.push_back([&fadeInStarted](sim::World& world) {
        if (world.gameRespawn.stage != sim::GameRespawnStage::FadingIn || world.screen.fade != sim::FadeState::FadingIn)
            return;
        if (fadeInStarted == 0) fadeInStarted = world.tick();
        world.screen.forcedFadedOutAnswers = {true};
    });
    killAndDetect(w);
    ASSERT_TRUE(runUntilEpisodeOver(30000));
    ASSERT_NE(fadeInStarted, 0u);
    uint32_t cut = cutToBlack(w, screenPhaseEnd(w));
    EXPECT_GE(cut, fadeInStarted);
    EXPECT_LE(cut - fadeInStarted, 50u) << "not only once the game's fade-in is over";
}

TEST(TakeOver, GameRespawnPlaceStandsWhenAlternativeRespawnIsOff) {
    sim::World& w = runningGame(otherSkin);
    settings.random_player_respawns = 0;
    settings.get_full_armor_upon_respawn = 1;
    killAndDetect(w);
    ASSERT_TRUE(runUntilScreenPhaseEnded(20000));
    sim::runFor(8000);
    EXPECT_EQ(cutToBlack(w, screenPhaseEnd(w)), 0u) << "no cut to black";
    EXPECT_EQ(countSounds(w, "DLC_HEIST_PLANNING_BOARD_SOUNDS"), 0);
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin)) << "the skin is still restored";
    EXPECT_EQ(w.player()->armour, 100) << "and the armour option applied";
    EXPECT_NEAR(w.player()->position.x, 298.0f, 1.0f) << "where the game put him";
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn);
}

TEST(TakeOver, MoneyIsClearedAfterAnArrest) {
    sim::World& w = runningGame();
    settings.set_money_to_zero_upon_respawn_after_death = 1;
    sim::arrestPlayer(w);
    sim::runFor(200);
    EXPECT_TRUE(playerState.wasBusted);
    ASSERT_TRUE(runUntilEpisodeOver(60000));
    EXPECT_EQ(w.stats[sim::joaat("SP0_TOTAL_CASH")], 0);
    EXPECT_EQ(w.stats[sim::joaat("SP1_TOTAL_CASH")], 8000);
}

TEST(ResetToPlayerZero, GivesPlayerZeroWithDefaultClothesAndFreshHandles) {
    sim::World& w = testing_support::loadPlugin();
    w.player()->model = sim::joaat(otherSkin);
    uint32_t before = w.playerPed;
    resetToPlayerZero();
    EXPECT_EQ(w.player()->model, sim::joaat("player_zero"));
    EXPECT_EQ(w.player()->variation, sim::ComponentVariation::Default);
    EXPECT_NE(w.playerPed, before);
    EXPECT_EQ(playerState.playerPed, w.playerPed);
    EXPECT_EQ(w.releases[sim::joaat("player_zero")], 1);
}

TEST(ResetToPlayerZero, ModelThatNeverLoadsIsGivenUpAfter3000Ms) {
    sim::World& w = testing_support::loadPlugin();
    w.player()->model = sim::joaat(otherSkin);
    w.models.makeNeverLoading("player_zero");
    uint32_t start = w.tick();
    resetToPlayerZero();
    EXPECT_GE(w.tick() - start, 3000u);
    EXPECT_LE(w.tick() - start, 3000u + 17u);
    EXPECT_EQ(callsOf(w, setPlayerModelNative).size(), 1u) << "the change is still attempted";
    EXPECT_EQ(w.releases[sim::joaat("player_zero")], 1);
}

TEST(ResetToPlayerZero, WithoutAPedOnlyTheFailSoundPlays) {
    sim::World& w = testing_support::loadPlugin();
    w.removeEntity(w.playerPed);
    resetToPlayerZero();
    ASSERT_FALSE(w.sounds.empty());
    for (const sim::SoundRecord& sound : w.sounds)
        EXPECT_EQ(sound.sound + "/" + sound.soundSet, "Move_Fail/CRANE_SOUNDS");
    EXPECT_TRUE(w.requests.empty());
}

TEST(AutoDriveCancel, AnyOfTheFifteenControlsHandsTheVehicleBack) {
    const int32_t controls[] = {28, 23, 29, 8, 9, 18, 32, 34, 216, 232, 233, 234, 235, 330, 331};
    for (int32_t control : controls) {
        sim::World& w = testing_support::loadPlugin();
        playerState.playerPed = w.playerPed;
        w.player()->driving = true;
        playerState.autoDriveActive = true;
        cancelAutoDriveOnInput();
        EXPECT_TRUE(playerState.autoDriveActive);
        sim::holdControl(w, control);
        cancelAutoDriveOnInput();
        EXPECT_FALSE(playerState.autoDriveActive) << control;
        EXPECT_FALSE(w.player()->driving) << control;
        EXPECT_EQ(w.player()->tasksCleared, 1) << control;
    }
    sim::World& w = testing_support::loadPlugin();
    playerState.playerPed = w.playerPed;
    playerState.autoDriveActive = true;
    sim::holdControl(w, 71);
    cancelAutoDriveOnInput();
    EXPECT_TRUE(playerState.autoDriveActive) << "another control";
    playerState.autoDriveActive = false;
    size_t asked = callsOf(w, controlPressedNative).size();
    sim::holdControl(w, 32);
    cancelAutoDriveOnInput();
    EXPECT_EQ(callsOf(w, controlPressedNative).size(), asked) << "nothing is asked without auto-drive";
    EXPECT_EQ(w.player()->tasksCleared, 0);
}

TEST(TickWrap, FirstWaitEndsAcrossTheWrapOfTheTickCount) {
    sim::World& w = testing_support::loadPlugin();
    // The death comes about 3000 ms before the tick count wraps to 0.
    setTickCount(w, 0u - 4200u);
    sim::startScript();
    sim::runFor(1000);
    uint32_t died = killAndDetect(w);
    ASSERT_GT(died, 0xFFFF0000u);
    ASSERT_TRUE(runUntilScreenPhaseEnded(25000));
    EXPECT_LT(w.tick(), 0x80000000u) << "past the wrap";
    EXPECT_GE(screenPhaseEnd(w) - died, 5500u);
    EXPECT_LT(screenPhaseEnd(w) - died, 8000u) << "ends at the game's fade-out, not at the deadline";
}

TEST(TickWrap, WaitForTheGameEndsAfter30sAcrossTheWrap) {
    // The game's wasted screen hangs: it never brings back the dead player.
    sim::World& w = testing_support::loadPlugin();
    w.frameRules.push_back([](sim::World& world) {
        if (world.gameRespawn.stage == sim::GameRespawnStage::Screen) world.gameRespawn.stageMilliseconds = 0;
    });
    // The wrap falls about 15 s into the wait for the game.
    setTickCount(w, 0u - 36200u);
    sim::startScript();
    sim::runFor(1000);
    killAndDetect(w);
    ASSERT_TRUE(runUntilScreenPhaseEnded(25000));
    uint32_t waitStart = screenPhaseEnd(w);
    ASSERT_GT(waitStart, 0xFFFF0000u);
    ASSERT_TRUE(sim::runUntil([&](sim::World& world) { return cutToBlack(world, waitStart) != 0; }, 40000));
    EXPECT_LT(w.tick(), 0x80000000u) << "past the wrap";
    EXPECT_GE(cutToBlack(w, waitStart) - waitStart, 30000u);
    EXPECT_LE(cutToBlack(w, waitStart) - waitStart, 30000u + 17u);
}
