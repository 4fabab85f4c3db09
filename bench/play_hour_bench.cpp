// The main loop at play: an idle frame (native calls, time and heap
// allocations per frame) and ten simulated hours with deaths, arrests, loading
// screens and respawns on demand (simulated seconds per wall second).
#include <chrono>
#include <cstdio>

#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "sim/game_events.h"
#include "sim/script_host.h"
#include "sim/soak_memory.h"
#include "tests/support/plugin_state.h"


namespace {

using Clock = std::chrono::steady_clock;

// A game that has been running for a while with the built-in settings file,
// with the call log and the record of every text drawn off (the simulated
// game's own memory over hours of play, not the plug-in's).
sim::World& runningGame() {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(testing_support::builtInSettingsText());
    w.logCalls = false;
    w.recordTextDraws = false;
    sim::startScript();
    sim::runFor(5000);
    return w;
}

void pressChord(sim::World& w) {
    uint32_t now = w.tick();
    w.keyMessageAt(now + 50, 17, false);
    w.keyMessageAt(now + 150, 75, false);
    w.keyMessageAt(now + 250, 75, true);
    w.keyMessageAt(now + 400, 17, true);
}

}  // namespace

void benchIdleFrame() {
    sim::World& w = runningGame();
    const int frames = 60 * 600;  // ten simulated minutes
    long idleFrames = 0, checkFrames = 0;
    unsigned long long idleAllocations = 0, checkAllocations = 0, idleCalls = 0, checkCalls = 0;
    long framesWithAllocations = 0;
    double idleNanoseconds = 0;
    for (int i = 0; i < frames; ++i) {
        uint32_t checkBefore = playerState.lastSettingsCheckTime;
        uint64_t allocationsBefore = sim::soak::allocationCount();
        uint64_t callsBefore = w.nativeCallCount;
        Clock::time_point start = Clock::now();
        sim::runFor(1);  // one frame: the script's turn, then the game's
        double nanoseconds = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        uint64_t allocations = sim::soak::allocationCount() - allocationsBefore;
        uint64_t calls = w.nativeCallCount - callsBefore;
        if (playerState.lastSettingsCheckTime != checkBefore) {
            ++checkFrames;
            checkAllocations += allocations;
            checkCalls += calls;
        } else {
            ++idleFrames;
            idleAllocations += allocations;
            idleCalls += calls;
            idleNanoseconds += nanoseconds;
            framesWithAllocations += allocations != 0;
        }
    }
    std::printf("idle frame of the main loop (%ld idle frames, %ld with the once-a-second check)\n", idleFrames,
                checkFrames);
    std::printf("  native calls per idle frame:       %.2f (a loop pass spans two frames)\n",
                static_cast<double>(idleCalls) / idleFrames);
    std::printf("  time per idle frame:               %.0f ns (plug-in and simulated game)\n",
                idleNanoseconds / idleFrames);
    std::printf("  heap allocations per idle frame:   %.3f (%ld idle frames allocated)\n",
                static_cast<double>(idleAllocations) / idleFrames, framesWithAllocations);
    std::printf("  per once-a-second check frame:     %.1f native calls, %.1f heap allocations\n",
                static_cast<double>(checkCalls) / checkFrames, static_cast<double>(checkAllocations) / checkFrames);
}

namespace {

// One hour of play in rounds of two minutes: a death, a respawn on demand, and
// every fifth round an arrest and a loading screen instead of the death.
struct HourCounts {
    int deaths = 0, arrests = 0, chords = 0, loadingScreens = 0;
};

void playHour(sim::World& w, HourCounts& counts) {
    const uint32_t hourMilliseconds = 3600u * 1000u;
    uint32_t begin = w.tick();
    for (int round = 0; w.tick() - begin < hourMilliseconds; ++round) {
        if (round % 5 == 4) {
            sim::arrestPlayer(w);
            ++counts.arrests;
            sim::runFor(40000);
            sim::showLoadingScreen(w, 3000);
            ++counts.loadingScreens;
        } else {
            sim::killPlayer(w);
            ++counts.deaths;
            sim::runFor(40000);
        }
        sim::runFor(20000);
        pressChord(w);
        ++counts.chords;
        sim::runFor(60000);
    }
}

size_t vehicleCount(const sim::World& w) {
    size_t count = 0;
    for (const auto& entry : w.entities) count += entry.second.kind == sim::EntityKind::Vehicle;
    return count;
}

}  // namespace

// Ten simulated hours in one game: the speed of the first and the last hour
// shows whether the world's state grows with play (the vehicles the plug-in
// hands back must be cleaned up by the game).
void benchSimulatedHour() {
    sim::World& w = runningGame();
    uint64_t callsBefore = w.nativeCallCount;
    uint64_t framesBefore = w.frameCount;
    uint64_t allocationsBefore = sim::soak::allocationCount();
    HourCounts counts;
    double firstHourRate = 0, lastHourRate = 0;
    const int hours = 10;
    for (int hour = 0; hour < hours; ++hour) {
        uint32_t begin = w.tick();
        Clock::time_point start = Clock::now();
        playHour(w, counts);
        double wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
        double rate = (w.tick() - begin) / 1000.0 / wallSeconds;
        if (hour == 0) firstHourRate = rate;
        lastHourRate = rate;
    }
    uint64_t frames = w.frameCount - framesBefore;
    std::printf("ten simulated hours of play: %d deaths, %d arrests, %d loading screens, %d respawn-on-demand chords\n",
                counts.deaths, counts.arrests, counts.loadingScreens, counts.chords);
    std::printf("  simulated seconds per wall second: %.0f in the first hour, %.0f in the tenth\n", firstHourRate,
                lastHourRate);
    std::printf("  vehicles left in the world at the end: %zu\n", vehicleCount(w));
    std::printf("  %llu frames, %.1f native calls per frame, %.2f heap allocations per frame\n",
                static_cast<unsigned long long>(frames),
                static_cast<double>(w.nativeCallCount - callsBefore) / static_cast<double>(frames),
                static_cast<double>(sim::soak::allocationCount() - allocationsBefore) / static_cast<double>(frames));
    std::printf("  player alive at the end: %s, screen faded in: %s\n", w.player() && !w.player()->dead ? "yes" : "no",
                w.screen.fade == sim::FadeState::FadedIn ? "yes" : "no");
}
