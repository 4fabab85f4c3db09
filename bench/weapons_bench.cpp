// giveAllWeapons in the simulated game: how many native calls it makes in its
// one frame and how long the plug-in side of a call takes.
#include <chrono>
#include <cstdio>

#include "respawn/player_options.h"
#include "sim/world.h"
#include "tests/support/plugin_state.h"

void benchGiveAllWeapons() {
    constexpr int repeats = 200;
    constexpr double frameMicros = 1000000.0 / 60.0;
    using Clock = std::chrono::steady_clock;

    // First call: an unarmed player, every fitting component is given.
    sim::World& w = testing_support::loadPlugin();
    w.logCalls = false;
    uint64_t before = w.nativeCallCount;
    giveAllWeapons(w.playerPed);
    uint64_t firstCalls = w.nativeCallCount - before;

    // Repeated calls: the weapons are owned, only the questions remain.
    before = w.nativeCallCount;
    giveAllWeapons(w.playerPed);
    uint64_t repeatCalls = w.nativeCallCount - before;

    double firstMicros = 0;
    for (int i = 0; i < repeats; ++i) {
        sim::World& fresh = testing_support::loadPlugin();
        fresh.logCalls = false;
        Clock::time_point start = Clock::now();
        giveAllWeapons(fresh.playerPed);
        firstMicros += std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    }
    firstMicros /= repeats;

    sim::World& armed = testing_support::loadPlugin();
    armed.logCalls = false;
    giveAllWeapons(armed.playerPed);
    Clock::time_point start = Clock::now();
    for (int i = 0; i < repeats; ++i) giveAllWeapons(armed.playerPed);
    double repeatMicros = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / repeats;

    std::printf("giveAllWeapons, unarmed player: %llu native calls, %.1f us per call (%.2f%% of a 60 fps frame)\n",
                static_cast<unsigned long long>(firstCalls), firstMicros, 100.0 * firstMicros / frameMicros);
    std::printf("giveAllWeapons, already armed:  %llu native calls, %.1f us per call (%.2f%% of a 60 fps frame)\n",
                static_cast<unsigned long long>(repeatCalls), repeatMicros, 100.0 * repeatMicros / frameMicros);
    std::printf("  per native call: %.3f us (simulated game; the real game's native costs are not included)\n",
                repeatMicros / static_cast<double>(repeatCalls));
}
