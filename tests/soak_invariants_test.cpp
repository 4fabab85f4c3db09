// The soak's checker: each invariant a player relies on is caught when it is
// broken, and left alone in the cases the plug-in's design allows; a story is
// fixed by its generator, so an episode replays exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

#include "host/natives/camera_natives.h"
#include "host/natives/entity_natives.h"
#include "ini/ini_writer.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/roads.h"
#include "sim/script_host.h"
#include "sim/soak_bounds.h"
#include "sim/soak_file_watch.h"
#include "sim/soak_invariants.h"
#include "sim/soak_story.h"
#include "sim/terrain.h"
#include "settings/settings_record.h"
#include "shared/player_state.h"
#include "spawn/spawn_points.h"
#include "tests/support/plugin_state.h"

namespace {

using sim::soak::Violation;

struct Recorder : sim::soak::ViolationSink {
    std::vector<Violation> seen;
    void report(Violation kind, const std::string&) override { seen.push_back(kind); }
    bool saw(Violation kind) const { return std::find(seen.begin(), seen.end(), kind) != seen.end(); }
};

// A game with the plug-in running and the soak watching it.
struct Watched {
    sim::World& w;
    Recorder recorder;
    sim::soak::Observer observer;

    // Without a settings file the plug-in runs with its built-in values.
    explicit Watched(bool runScript = true) : w(testing_support::loadPlugin()), observer(w, recorder) {
        if (runScript) sim::startScript();
    }
    // Frames as the soak plays them, with the allocations a turn is said to make.
    void play(uint32_t milliseconds, uint64_t allocationsPerTurn = 0) {
        for (uint32_t start = w.tick(); w.tick() - start < milliseconds;) {
            uint64_t calls = w.nativeCallCount;
            sim::runScriptTurn();
            observer.afterScriptTurn(allocationsPerTurn, w.nativeCallCount - calls);
            w.advanceFrame();
            observer.afterGameFrame();
        }
    }
    void turnOnly() { observer.afterScriptTurn(0, 0); }
};

TEST(SoakInvariants, OnlyThePluginsOwnBlackScreenMayNotOutliveItsSequence) {
    Watched other;
    other.play(2000);
    sim::otherScriptFadesOut(other.w, 0, 0);
    other.play(3000);
    EXPECT_FALSE(other.recorder.saw(Violation::SequenceEndedBlack)) << "another script's black screen";

    Watched ours;
    ours.play(2000);
    doScreenFadeOut(0);  // as a sequence of ours that forgot its fade-in
    ours.play(3000);
    EXPECT_TRUE(ours.recorder.saw(Violation::SequenceEndedBlack));
}

TEST(SoakInvariants, BlackScreenAndHeldMainLoopAreCaughtAtTheirBoundsAndLoadingScreensDoNotCount) {
    Watched loading(false);  // no plug-in: nothing brings the screen back, no check runs
    sim::leaveScreenFadedOut(loading.w);
    sim::showLoadingScreen(loading.w, sim::soak::blackScreenMs);
    loading.play(sim::soak::blackScreenMs + 2000);
    EXPECT_FALSE(loading.recorder.saw(Violation::BlackScreen));
    EXPECT_FALSE(loading.recorder.saw(Violation::MainLoopCheckLate));

    static_assert(sim::soak::mainLoopCheckMs + 2000 < sim::soak::blackScreenMs, "the loop's bound comes first");
    Watched stuck(false);
    sim::leaveScreenFadedOut(stuck.w);
    stuck.play(sim::soak::mainLoopCheckMs - 1000);
    EXPECT_FALSE(stuck.recorder.saw(Violation::MainLoopCheckLate));
    stuck.play(2000);
    EXPECT_TRUE(stuck.recorder.saw(Violation::MainLoopCheckLate));
    stuck.play(sim::soak::blackScreenMs - sim::soak::mainLoopCheckMs - 2000);
    EXPECT_FALSE(stuck.recorder.saw(Violation::BlackScreen));
    stuck.play(2000);
    EXPECT_TRUE(stuck.recorder.saw(Violation::BlackScreen));

    // With the plug-in running, its rescue brings the screen back in time.
    Watched rescued;
    rescued.play(2000);
    sim::otherScriptFadesOut(rescued.w, 0, 0);
    rescued.play(sim::soak::blackScreenMs + 2000);
    EXPECT_TRUE(rescued.recorder.seen.empty());
    EXPECT_EQ(rescued.w.screen.fade, sim::FadeState::FadedIn);
}

TEST(SoakInvariants, OurCutToBlackEndsWithin15sAndTheGameIsSlowOnlyForTheDeathScreensLongestWait) {
    Watched ours;
    ours.play(2000);
    doScreenFadeOut(0);  // as a sequence of ours that takes too long
    ours.play(sim::soak::ourBlackScreenMs - 500);
    EXPECT_FALSE(ours.recorder.saw(Violation::OurBlackScreen));
    ours.play(1000);
    EXPECT_TRUE(ours.recorder.saw(Violation::OurBlackScreen));

    Watched other(false);
    sim::otherScriptFadesOut(other.w, 0, 0);
    other.play(sim::soak::ourBlackScreenMs + 1000);
    EXPECT_FALSE(other.recorder.saw(Violation::OurBlackScreen)) << "another script's black has the longer bound";

    Watched slow(false);
    slow.w.screen.timeScale = 0.5f;
    slow.play(sim::soak::slowMotionMs - 500);
    EXPECT_FALSE(slow.recorder.saw(Violation::SlowMotion));
    slow.play(1000);
    EXPECT_TRUE(slow.recorder.saw(Violation::SlowMotion));
    EXPECT_FALSE(slow.recorder.saw(Violation::GameStandsStill));
    slow.w.screen.timeScale = 0.01f;
    slow.play(20);
    EXPECT_TRUE(slow.recorder.saw(Violation::GameStandsStill));
}

TEST(SoakInvariants, ASkinChangeInViewOfAFreePlayerIsCaughtUnlessHeAskedOrItGivesHimBackHisSkin) {
    Watched g(false);
    auto checkRuns = [&g] {
        playerState.lastSettingsCheckTime += 1000;
        g.turnOnly();
    };
    auto change = [&g](const char* model) {
        g.w.player()->model = sim::joaat(model);
        g.turnOnly();
    };
    g.play(100);
    change("a_m_y_hipster_01");
    EXPECT_TRUE(g.recorder.seen.empty()) << "the settings file at start asks for its skin";
    checkRuns();
    checkRuns();
    change("a_f_y_hipster_01");
    EXPECT_TRUE(g.recorder.saw(Violation::SkinChangedInView));

    g.recorder.seen.clear();
    g.observer.playerAsked();  // a chord, or a save of the file
    change("a_m_y_hipster_01");
    checkRuns();
    checkRuns();
    sim::leaveScreenFadedOut(g.w);
    g.turnOnly();
    change("a_f_y_hipster_01");
    EXPECT_TRUE(g.recorder.seen.empty()) << "asked for, or behind a black screen";
    g.w.screen.fade = sim::FadeState::FadedIn;
    change("a_m_y_hipster_01");
    EXPECT_TRUE(g.recorder.seen.empty()) << "his own skin back";

    // Dead, he is reset and comes back as the main character; his own skin
    // given back in view is his, another one is not.
    sim::killPlayer(g.w);
    g.play(2000);
    change("player_zero");
    g.w.player()->dead = false;
    g.w.gameRespawn.stage = sim::GameRespawnStage::None;
    g.turnOnly();
    change("a_m_y_hipster_01");
    EXPECT_TRUE(g.recorder.seen.empty()) << "his skin restored";
    change("a_f_y_hipster_01");
    EXPECT_TRUE(g.recorder.saw(Violation::SkinChangedInView));
}

TEST(SoakInvariants, AMoveBelowTheGroundOrToNoFinitePlaceIsCaughtButAListPointIsAFloor) {
    Watched g;
    g.play(1000);
    uint32_t ped = g.w.playerPed;
    setEntityCoordsNoOffset(ped, 200.0f, 300.0f, sim::terrainHeight(200.0f, 300.0f) + 1.0f);
    g.turnOnly();
    EXPECT_TRUE(g.recorder.seen.empty());
    // A list point under the simulated terrain stands on a floor of the map.
    const SpawnPoint* floor = nullptr;
    for (const SpawnPoint& point : builtInSpawnPoints)
        if (sim::terrainHeight(point.x, point.y) > point.z + 5.0f) floor = &point;
    ASSERT_NE(floor, nullptr);
    setEntityCoordsNoOffset(ped, floor->x, floor->y, floor->z);
    g.turnOnly();
    EXPECT_TRUE(g.recorder.seen.empty());
    setEntityCoordsNoOffset(ped, 200.0f, 300.0f, sim::terrainHeight(200.0f, 300.0f) - 3.0f);
    g.turnOnly();
    EXPECT_TRUE(g.recorder.saw(Violation::BelowGround));
    // On the lake the water's surface counts.
    setEntityCoordsNoOffset(ped, 2000.0f, 4250.0f, sim::lakeLevel - 2.0f);
    g.recorder.seen.clear();
    g.turnOnly();
    EXPECT_TRUE(g.recorder.saw(Violation::BelowGround));
    setEntityCoordsNoOffset(ped, std::numeric_limits<float>::quiet_NaN(), 0.0f, 950.0f);
    g.turnOnly();
    EXPECT_TRUE(g.recorder.saw(Violation::NonFinitePosition));
}

TEST(SoakInvariants, ANewAircraftMustBeInItsBandAndANewCarOnARoadNode) {
    Watched g;
    g.play(1000);
    sim::Entity* ped = g.w.player();
    float ground = sim::terrainHeight(200.0f, 300.0f);
    uint32_t high = g.w.spawnVehicle(sim::joaat("Frogger"), sim::Vec3{200.0f, 300.0f, ground + 250.0f}).handle;
    ped->vehicle = high;
    g.turnOnly();
    EXPECT_TRUE(g.recorder.seen.empty());
    uint32_t low = g.w.spawnVehicle(sim::joaat("Frogger"), sim::Vec3{200.0f, 300.0f, ground + 150.0f}).handle;
    ped->vehicle = low;
    g.turnOnly();
    EXPECT_TRUE(g.recorder.saw(Violation::AircraftTooLow));

    sim::RoadNode node;
    ASSERT_TRUE(sim::closestRoadNode(g.w, sim::Vec3{400.0f, 300.0f, 0.0f}, &node));
    g.recorder.seen.clear();
    ped->vehicle = g.w.spawnVehicle(sim::joaat("Kuruma"), node.position).handle;
    g.turnOnly();
    EXPECT_TRUE(g.recorder.seen.empty());
    sim::Vec3 off = node.position;
    off.x += 10.0f;
    off.z = sim::terrainHeight(off.x, off.y);
    ped->vehicle = g.w.spawnVehicle(sim::joaat("Kuruma"), off).handle;
    g.turnOnly();
    EXPECT_TRUE(g.recorder.saw(Violation::VehicleOffRoad));

    // A band the plug-in cannot use asks only for the aircraft to be clear of the ground.
    Watched hostile;
    hostile.play(1000);
    settings.min_heli_spawn_height_over_ground = -1;  // a key the file lacks
    hostile.w.player()->vehicle =
        hostile.w.spawnVehicle(sim::joaat("Frogger"), sim::Vec3{200.0f, 300.0f, ground + 60.0f}).handle;
    hostile.turnOnly();
    EXPECT_TRUE(hostile.recorder.seen.empty());
}

TEST(SoakInvariants, AnAllocationInAnIdleTurnIsCaughtOnceTheNextCheckShowsTheLoopWasIdle) {
    Watched quiet;
    quiet.play(8000);
    EXPECT_TRUE(quiet.recorder.seen.empty());
    EXPECT_GT(quiet.observer.idleTurns(), 0u);
    quiet.play(1500, 1);
    EXPECT_TRUE(quiet.recorder.saw(Violation::IdleAllocation));

    // Shortly after an event of the story a turn is not idle.
    Watched busy;
    busy.play(8000);
    busy.w.after(0, [](sim::World&) {});
    busy.play(20);
    busy.play(1500, 1);
    EXPECT_FALSE(busy.recorder.saw(Violation::IdleAllocation));
}

// Three points of the player's and a chance, as a file he saved.
std::string pointsFile(const std::vector<std::string>& points, const char* chance = "20") {
    std::string text = "[Player_Respawn]\nnumber_of_custom_spawn_points_in_use=" + std::to_string(points.size()) + "\n";
    for (size_t i = 0; i < points.size(); ++i)
        for (char axis : {'x', 'y', 'z'})
            text += "custom_spawn_" + std::to_string(i + 1) + "_" + axis + "=" + points[i] + "\n";
    return text + "in_air_player_spawn_chance=" + chance + "\n";
}

// What the watch says of the file rewritten as after, from the player's before,
// with what he asked of the menu.
std::vector<Violation> watchedRewrite(const std::string& before, const std::string& after,
                                      const std::function<void(sim::soak::SettingsFileWatch&)>& asked) {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(before);
    Recorder recorder;
    sim::soak::SettingsFileWatch watch(w, recorder);
    watch.playerSaved(before);
    if (asked) asked(watch);
    testing_support::writeSettingsFile(after);
    watch.checkNow();
    return recorder.seen;
}

TEST(SoakFileWatch, AMenuDeleteOnlyMovesTheLaterPointsUpAndAMenuChangeOnlySetsItsKey) {
    const std::string three = pointsFile({"1", "2", "3"});
    const std::string secondGone = pointsFile({"1", "3"});
    auto deletes = [](sim::soak::SettingsFileWatch& watch) { watch.playerDeletesPointInMenu(); };
    auto changes = [](sim::soak::SettingsFileWatch& watch) { watch.playerChangesInMenu("in_air_player_spawn_chance"); };
    auto pointsChanged = [](const std::vector<Violation>& seen) {
        return std::find(seen.begin(), seen.end(), Violation::CustomPointOverwritten) != seen.end();
    };
    // A delete he asked for: point 2 gone, point 3 moved up, its old lines gone.
    EXPECT_TRUE(watchedRewrite(three, secondGone, deletes).empty());
    EXPECT_TRUE(watchedRewrite(three, pointsFile({"1", "2"}), deletes).empty());
    // Not asked for, or another point changed with it, or two gone.
    EXPECT_FALSE(watchedRewrite(three, secondGone, nullptr).empty());
    EXPECT_TRUE(pointsChanged(watchedRewrite(three, pointsFile({"1", "4"}), deletes)));
    EXPECT_TRUE(pointsChanged(watchedRewrite(three, pointsFile({"3", "1"}), deletes)));
    EXPECT_TRUE(pointsChanged(watchedRewrite(three, pointsFile({"1"}), deletes)));
    // A point added by a save meanwhile is no delete.
    EXPECT_TRUE(watchedRewrite(three, pointsFile({"1", "2", "3", "4"}), deletes).empty());
    // A value he changed in the menu, and only that key.
    EXPECT_TRUE(watchedRewrite(three, pointsFile({"1", "2", "3"}, "25"), changes).empty());
    EXPECT_FALSE(watchedRewrite(three, pointsFile({"1", "2", "3"}, "25"), nullptr).empty());
    EXPECT_FALSE(watchedRewrite(three, pointsFile({"1", "2", "3"}, "25"),
                                [](sim::soak::SettingsFileWatch& watch) {
                                    watch.playerChangesInMenu("custom_spawn_chance");
                                })
                     .empty());
}

TEST(SoakFileWatch, AMenuChangeIsTakenOnceOnly) {
    sim::World& w = testing_support::loadPlugin();
    const std::string before = pointsFile({"1"});
    testing_support::writeSettingsFile(before);
    Recorder recorder;
    sim::soak::SettingsFileWatch watch(w, recorder);
    watch.playerSaved(before);
    watch.playerChangesInMenu("in_air_player_spawn_chance");
    testing_support::writeSettingsFile(pointsFile({"1"}, "25"));
    watch.checkNow();
    EXPECT_TRUE(recorder.seen.empty());
    testing_support::writeSettingsFile(pointsFile({"1"}, "100"));  // another size: looked at again
    watch.checkNow();
    EXPECT_TRUE(recorder.saw(Violation::SettingsFileDamaged));
}

// A key missing from his file that he changes in the menu gets its line after
// the section's last entry, ahead of a comment he saved below it: every line
// of his stays, in order.
TEST(SoakFileWatch, AKeyTheMenuSetsMayBeAddedButNoLineOfHisMayGoForIt) {
    const std::string before = "[Player_Respawn]\r\nair_vehicle_type=1\r\n; saved again at 22819\r\n";
    const std::string added = withProfileValue(before, "Player_Respawn", "in_air_player_spawn_chance", "25");
    ASSERT_EQ(added, "[Player_Respawn]\r\nair_vehicle_type=1\r\nin_air_player_spawn_chance=25\r\n"
                     "; saved again at 22819\r\n");
    auto changes = [](sim::soak::SettingsFileWatch& watch) { watch.playerChangesInMenu("in_air_player_spawn_chance"); };
    auto damaged = [](const std::vector<Violation>& seen) {
        return std::find(seen.begin(), seen.end(), Violation::SettingsFileDamaged) != seen.end();
    };
    EXPECT_TRUE(watchedRewrite(before, added, changes).empty());
    EXPECT_TRUE(damaged(watchedRewrite(before, added, nullptr)));
    // The key's line in place of his comment, or the comment gone after it.
    EXPECT_TRUE(damaged(watchedRewrite(
        before, "[Player_Respawn]\r\nair_vehicle_type=1\r\nin_air_player_spawn_chance=25\r\n", changes)));
    EXPECT_TRUE(damaged(watchedRewrite(
        before, "[Player_Respawn]\r\nair_vehicle_type=1\r\nin_air_player_spawn_chance=25\r\n; saved again\r\n",
        changes)));
    // Once only: the line added, a second change of it is none of his.
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(before);
    Recorder recorder;
    sim::soak::SettingsFileWatch watch(w, recorder);
    watch.playerSaved(before);
    changes(watch);
    testing_support::writeSettingsFile(added);
    watch.checkNow();
    EXPECT_TRUE(recorder.seen.empty());
    testing_support::writeSettingsFile(withProfileValue(added, "Player_Respawn", "in_air_player_spawn_chance", "100"));
    watch.checkNow();
    EXPECT_TRUE(recorder.saw(Violation::SettingsFileDamaged));
}

TEST(SoakStory, AStoryIsFixedByItsGenerator) {
    std::mt19937_64 first(42), second(42), other(43);
    std::string a = sim::soak::setUpStory(testing_support::loadPlugin(), first).description;
    std::string b = sim::soak::setUpStory(testing_support::loadPlugin(), second).description;
    std::string c = sim::soak::setUpStory(testing_support::loadPlugin(), other).description;
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

}  // namespace
