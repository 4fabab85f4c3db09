// Whole stories on the real main loop in the simulated game: a death, a death
// in another skin, an arrest, and a respawn on demand into a vehicle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "respawn/death_handler.h"
#include "respawn/respawn_sequences.h"
#include "settings/settings_record.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "tests/support/call_log.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

using testing_support::callsOf;

constexpr sim::Vec3 hospital{298.0f, -584.0f, 43.3f};
constexpr sim::Vec3 policeStation{432.0f, -981.0f, 30.7f};
const char* const otherSkin = "a_m_y_hipster_01";

float distance(sim::Vec3 a, sim::Vec3 b) { return std::hypot(a.x - b.x, a.y - b.y); }

// What the test saw of the game, frame by frame.
struct Watch {
    uint32_t putBackAt = 0;        // the game put the player back
    uint32_t screenLookCheckedAt = 0;
    bool screenLookHeld = true;    // slow motion, view mode 2, FOV 130 on every wasted-screen frame checked
};

// Records, after the game's own rules, when the game put the player back and
// whether the wasted screen looked as the plug-in shapes it.
void watchGame(sim::World& w, Watch& watch, uint32_t lookFrom, uint32_t lookUntil) {
    w.frameRules.push_back([&watch, lookFrom, lookUntil](sim::World& world) {
        if (watch.putBackAt == 0 && world.gameRespawn.count > 0) watch.putBackAt = world.tick();
        uint32_t now = world.tick();
        if (now - lookFrom < lookUntil - lookFrom) {
            const sim::Screen& s = world.screen;
            float fieldOfView = s.renderingCamera == 0xFFFFFFFFu ? s.gameplayFieldOfView
                                                                 : s.cameraFieldOfView.at(s.renderingCamera);
            watch.screenLookHeld = watch.screenLookHeld && s.timeScale == 0.8f && s.viewMode == 2 &&
                                   fieldOfView == 130.0f && !s.effects.count("DeathFailOut");
            watch.screenLookCheckedAt = now;
        }
    });
}

uint32_t cutToBlackAfter(const sim::World& w, uint32_t from) {
    for (const sim::CallRecord& call : callsOf(w, fadeOutNative))
        if (call.args[0] == 0 && static_cast<int32_t>(call.tick - from) > 0) return call.tick;
    return 0;
}

int respawnSoundsAfter(const sim::World& w, uint32_t from) {
    int count = 0;
    for (const sim::SoundRecord& s : w.sounds)
        count += s.soundSet == "DLC_HEIST_PLANNING_BOARD_SOUNDS" && static_cast<int32_t>(s.tick - from) >= 0;
    return count;
}

bool backInView(sim::World& w) {
    return !callsOf(w, fadeInNative).empty() && w.screen.fade == sim::FadeState::FadedIn && w.player() &&
           !w.player()->dead;
}

sim::World& gameStartedWith(const std::string& settingsFile, const char* skin = "player_zero") {
    sim::World& w = testing_support::loadPlugin();
    if (!settingsFile.empty()) testing_support::writeSettingsFile(settingsFile);
    w.player()->model = sim::joaat(skin);
    sim::startScript();
    sim::runFor(2000);
    return w;
}

}  // namespace

TEST(RespawnStory, DeathWithTheBuiltInSettings) {
    sim::World& w = gameStartedWith(testing_support::builtInSettingsText());
    sim::Vec3 deathPoint = w.player()->position;
    uint32_t killedAt = w.tick();
    Watch watch;
    // From just after the death effect until just before the game's fade-out.
    watchGame(w, watch, killedAt + 1400, killedAt + 6000);
    sim::killPlayer(w);
    ASSERT_TRUE(sim::runUntil(backInView, 30000));
    sim::runFor(1000);

    EXPECT_TRUE(watch.screenLookHeld) << "slow motion 0.8, view mode 2, FOV 130, effect stopped";
    EXPECT_NE(watch.screenLookCheckedAt, 0u);
    ASSERT_NE(watch.putBackAt, 0u);
    uint32_t cut = cutToBlackAfter(w, killedAt);
    EXPECT_GE(cut - watch.putBackAt, 1000u) << "the cut comes once the game shows the living player";
    EXPECT_EQ(respawnSoundsAfter(w, cut + 100), 3) << "behind the black screen, 100 ms after the cut";
    std::vector<sim::CallRecord> fadeIns = callsOf(w, fadeInNative);
    ASSERT_EQ(fadeIns.size(), 1u);
    EXPECT_EQ(fadeIns[0].args[0], 500u);
    EXPECT_GE(fadeIns[0].tick - cut, 100u + 1250u);
    EXPECT_EQ(w.player()->model, sim::joaat("player_zero"));
    EXPECT_GT(distance(w.player()->position, hospital), 1.0f) << "moved away from where the game put him";
    EXPECT_LT(distance(w.player()->position, deathPoint), 1000.0f) << "near the place of death";
    EXPECT_EQ(w.screen.timeScale, 1.0f);
    EXPECT_EQ(w.screen.viewMode, 1);
    EXPECT_EQ(w.screen.gameplayFieldOfView, 50.0f);
    EXPECT_EQ(w.screen.renderingCamera, 0xFFFFFFFFu);
    EXPECT_TRUE(w.screen.camerasDestroyed.count(w.gameRespawn.camera)) << "the game's death camera is gone";
    EXPECT_TRUE(w.textDraws.empty()) << "no countdown for a story character";
}

TEST(RespawnStory, DeathInAnotherSkin) {
    sim::World& w = gameStartedWith(testing_support::builtInSettingsText(), otherSkin);
    uint32_t killedAt = w.tick();
    sim::killPlayer(w);
    ASSERT_TRUE(sim::runUntil(backInView, 30000));
    std::vector<sim::CallRecord> changes = callsOf(w, setPlayerModelNative);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(static_cast<uint32_t>(changes[0].args[1]), sim::joaat("player_zero"));
    EXPECT_LT(changes[0].tick - killedAt, 2000u) << "during the wasted screen";
    EXPECT_EQ(static_cast<uint32_t>(changes[1].args[1]), sim::joaat(otherSkin));
    EXPECT_GT(changes[1].tick, cutToBlackAfter(w, killedAt)) << "restored behind the black screen";
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
    EXPECT_EQ(w.player()->variation, sim::ComponentVariation::Default);
}

TEST(RespawnStory, DeathInAnotherSkinOnAScreenThatStaysFadedIn) {
    // The reset waits 10 s, so the game keeps its wasted screen up until then.
    sim::World& w =
        gameStartedWith(testing_support::builtInSettingsWith({{"time_before_reset_skin", "10000"}}), otherSkin);
    sim::killPlayer(w);
    sim::runFor(100);
    uint32_t died = playerState.deathTime;
    ASSERT_TRUE(sim::runUntil(backInView, 60000));
    std::vector<sim::TextDraw>& draws = w.textDraws;
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws.front().text, "Respawn in max 12");
    EXPECT_GT(draws.front().tick - died, 7500u);
    EXPECT_LE(draws.front().tick - died, 7500u + 17u);
    EXPECT_EQ(draws.back().text, "Respawn in max 0");
    EXPECT_GT(draws.back().tick - died, 20000u) << "the phase ran to the deadline";
    uint32_t reset = callsOf(w, setPlayerModelNative).at(0).tick;
    EXPECT_GT(reset - died, 10000u);
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
    EXPECT_GT(distance(w.player()->position, hospital), 1.0f);
}

TEST(RespawnStory, Arrest) {
    sim::World& w = gameStartedWith("");
    sim::arrestPlayer(w);
    sim::runFor(300);
    EXPECT_TRUE(playerState.wasBusted);
    ASSERT_TRUE(sim::runUntil(backInView, 30000));
    sim::runFor(500);
    EXPECT_FALSE(w.beingArrested);
    EXPECT_TRUE(w.gameRespawn.busted);
    EXPECT_EQ(respawnSoundsAfter(w, 0), 3);
    EXPECT_GT(distance(w.player()->position, policeStation), 1.0f);
    EXPECT_EQ(w.stats[sim::joaat("SP0_TOTAL_CASH")], 5000) << "money is kept with the built-in settings";
}

TEST(RespawnStory, KeyChordIntoAVehicleThatDrivesOffUntilAControlIsPressed) {
    sim::World& w = gameStartedWith("");
    settings.in_vehicle_on_road_player_spawn_chance = 100;
    settings.in_air_player_spawn_chance = settings.on_point_from_list_player_spawn_chance =
        settings.random_point_on_map_spawn_chance = 0;
    uint32_t now = w.tick();
    w.keyMessageAt(now + 100, 17, false);
    w.keyMessageAt(now + 300, 75, false);
    w.keyMessageAt(now + 400, 75, true);
    w.keyMessageAt(now + 700, 17, true);
    ASSERT_TRUE(sim::runUntil([](sim::World& world) { return world.player()->vehicle != 0; }, 2000));
    uint32_t seated = w.tick();
    EXPECT_LE(seated - (now + 400), 34u + 100u) << "within a frame or two of the release, plus the model load";
    sim::runFor(3000);
    sim::Entity* vehicle = w.find(w.player()->vehicle);
    ASSERT_NE(vehicle, nullptr);
    EXPECT_TRUE(vehicle->vehicleState.handedBack);
    EXPECT_TRUE(playerState.autoDriveActive);
    sim::Vec3 driving = vehicle->position;
    sim::runFor(1000);
    EXPECT_GT(distance(vehicle->position, driving), 50.0f) << "drives by itself";
    EXPECT_EQ(callsOf(w, fadeOutNative).size(), 0u) << "in full view";

    sim::holdControl(w, 71);  // not one of the fifteen
    sim::runFor(200);
    EXPECT_TRUE(playerState.autoDriveActive);
    sim::holdControl(w, 32);
    sim::runFor(50);
    EXPECT_FALSE(playerState.autoDriveActive);
    EXPECT_FALSE(w.player()->driving);
    EXPECT_EQ(w.player()->vehicle, vehicle->handle) << "still at the wheel";
    sim::Vec3 stopped = vehicle->position;
    sim::runFor(500);
    EXPECT_EQ(distance(vehicle->position, stopped), 0.0f);
}

TEST(RespawnStory, ArrestThatOutlastsTheScreenPhaseIsTakenOverOnceItIsOver) {
    // The police take 25 s: the busted screen stays up past the 20 s deadline.
    sim::World& w = gameStartedWith(testing_support::builtInSettingsText());
    uint32_t arrested = w.tick();
    w.frameRules.push_back([arrested](sim::World& world) {
        if (world.gameRespawn.stage == sim::GameRespawnStage::Screen && world.tick() - arrested < 25000)
            world.gameRespawn.stageMilliseconds = std::min(world.gameRespawn.stageMilliseconds, 4000.0);
    });
    sim::arrestPlayer(w);
    ASSERT_TRUE(sim::runUntil(backInView, 40000));
    uint32_t cut = cutToBlackAfter(w, arrested);
    EXPECT_GT(cut - arrested, 25000u) << "not while the arrest still runs";
    sim::runFor(15000);
    EXPECT_FALSE(w.beingArrested);
    EXPECT_EQ(w.gameRespawn.count, 1);
    EXPECT_EQ(respawnSoundsAfter(w, arrested), 3) << "one take-over";
    EXPECT_EQ(cutToBlackAfter(w, cut), 0u) << "and no second episode";
    EXPECT_GT(distance(w.player()->position, policeStation), 1.0f);
}

TEST(RespawnStory, TimeScaleSettingThatWouldStopTheGameMeansNormalSpeed) {
    // A settings file cut short reads the slow motion as 0.0; 0 or below would
    // stop the game or never let it come back.
    for (const char* value : {"0", "-1", "5"}) {
        SCOPED_TRACE(value);
        sim::World& w = gameStartedWith(
            testing_support::builtInSettingsWith({{"slow_motion_at_wasted_and_busted_screens", value}}));
        uint32_t killedAt = w.tick();
        sim::killPlayer(w);
        ASSERT_TRUE(sim::runUntil(backInView, 15000)) << "a death takes as long as at normal speed";
        std::vector<sim::CallRecord> scales = callsOf(w, setTimeScaleNative);
        ASSERT_FALSE(scales.empty());
        for (const sim::CallRecord& call : scales) EXPECT_EQ(testing_support::floatArgument(call, 0), 1.0f);
        sim::runFor(1000);
        uint32_t arrestedAt = w.tick();
        sim::arrestPlayer(w);
        ASSERT_TRUE(sim::runUntil([&](sim::World& world) { return cutToBlackAfter(world, arrestedAt) != 0; }, 15000));
        sim::runFor(20000);
        EXPECT_EQ(respawnSoundsAfter(w, arrestedAt), 3) << "the arrest is taken over once";
        EXPECT_FALSE(w.beingArrested);
        EXPECT_LT(cutToBlackAfter(w, killedAt) - killedAt, 15000u);
    }
}

TEST(RespawnStory, DeathInAnotherSkinWithAnExtremeResetDelayEndsOnce) {
    for (const char* delay : {"-2147483648", "2147483647"}) {
        SCOPED_TRACE(delay);
        sim::World& w =
            gameStartedWith(testing_support::builtInSettingsWith({{"time_before_reset_skin", delay}}), otherSkin);
        uint32_t killedAt = w.tick();
        sim::killPlayer(w);
        ASSERT_TRUE(sim::runUntil(backInView, 40000));
        std::vector<sim::CallRecord> changes = callsOf(w, setPlayerModelNative);
        ASSERT_EQ(changes.size(), 2u);
        uint32_t reset = changes[0].tick - killedAt;
        if (delay[0] == '-') {
            EXPECT_LT(reset, 1500u) << "a negative delay counts as none: reset once the death effect ran";
        } else {
            EXPECT_GT(reset, 14000u) << "held, and at the latest 5 s before the 20 s deadline";
            EXPECT_LT(reset, 15200u);
        }
        sim::runFor(10000);
        EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
        EXPECT_FALSE(w.player()->dead);
        EXPECT_EQ(respawnSoundsAfter(w, killedAt), 3) << "one episode, not one after another";
    }
}

TEST(RespawnStory, DeathInAnotherSkinOnAVerySlowScreenWaitsForTheGameAfterTheReset) {
    // At a slow motion of 0.05 the game fades out only after the 80 s deadline;
    // the reset has long left a living player standing by then.
    sim::World& w = gameStartedWith(
        testing_support::builtInSettingsWith({{"slow_motion_at_wasted_and_busted_screens", "0.05"}}), otherSkin);
    uint32_t killedAt = w.tick();
    Watch watch;
    watchGame(w, watch, killedAt, killedAt);
    sim::killPlayer(w);
    ASSERT_TRUE(sim::runUntil(backInView, 120000));
    sim::runFor(5000);
    uint32_t cut = cutToBlackAfter(w, killedAt);
    ASSERT_NE(watch.putBackAt, 0u) << "the game brought the player back";
    EXPECT_GT(cut, watch.putBackAt) << "and only then the take-over came";
    EXPECT_EQ(w.gameRespawn.stage, sim::GameRespawnStage::None) << "the game's own sequence is over";
    EXPECT_EQ(w.player()->model, sim::joaat(otherSkin));
    EXPECT_EQ(w.screen.fade, sim::FadeState::FadedIn);
    EXPECT_EQ(respawnSoundsAfter(w, killedAt), 3);
}
