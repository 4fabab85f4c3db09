// The in-game menu: what a frame costs with the menu closed and open (native
// calls, time, the plug-in's heap allocations), and deleting a custom point
// from a file of 10,000.
#include <chrono>
#include <cstdio>
#include <string>

#include "bench/custom_points_text.h"
#include "menu/menu.h"
#include "sim/script_host.h"
#include "sim/soak_memory.h"
#include "settings_io/settings_store.h"
#include "spawn/delete_spawn_point.h"
#include "tests/support/menu_driver.h"
#include "tests/support/plugin_state.h"

namespace {

using Clock = std::chrono::steady_clock;

struct FrameCost {
    double calls = 0, nanoseconds = 0, allocations = 0;
};

// The average over some frames of play, one frame at a time.
FrameCost measureFrames(sim::World& w, int frames) {
    uint64_t callsBefore = w.nativeCallCount;
    uint64_t allocationsBefore = sim::soak::pluginAllocationCount();
    double nanoseconds = 0;
    for (int i = 0; i < frames; ++i) {
        Clock::time_point start = Clock::now();
        sim::runFor(1);
        nanoseconds += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    }
    return FrameCost{static_cast<double>(w.nativeCallCount - callsBefore) / frames, nanoseconds / frames,
                     static_cast<double>(sim::soak::pluginAllocationCount() - allocationsBefore) / frames};
}

sim::World& quietGame(const std::string& text) {
    sim::World& w = testing_support::gameStartedWith(text);
    w.logCalls = false;
    sim::runFor(3000);
    return w;
}

void printCost(const char* what, const FrameCost& cost) {
    std::printf("  %-52s %6.1f native calls, %8.0f ns, %.3f plug-in allocations per frame\n", what, cost.calls,
                cost.nanoseconds, cost.allocations);
}

}  // namespace

void benchMenu() {
    // Frames between the once-a-second checks and between them alike: 600 frames.
    const int frames = 600;
    std::string without =
        testing_support::builtInSettingsWith({{"menu_key_1_of_2", "-1"}, {"menu_key_2_of_2", "-1"}});
    printCost("closed, no menu chord in the settings", measureFrames(quietGame(without), frames));
    sim::World& w = quietGame(testing_support::builtInSettingsText());
    printCost("closed, menu chord Ctrl + F7", measureFrames(w, frames));
    testing_support::pressMenuChord(w);
    printCost("open on Where you come back (12 of 17 lines)", measureFrames(w, frames));

    sim::World& many = quietGame(withTenThousandCustomPoints(
        testing_support::builtInSettingsWith({{"number_of_custom_spawn_points_in_use", "10000"}})));
    testing_support::pressMenuChord(many);
    testing_support::tapKey(many, testing_support::keyBackspace);
    testing_support::selectLine(many, "Custom points");
    testing_support::tapKey(many, testing_support::keyEnter);
    printCost("open on Custom points (10,000 points, 12 shown)", measureFrames(many, frames));
    std::printf("  (times are of the plug-in and the simulated game together; a frame of the game lasts 16.7 ms)\n");

    Clock::time_point start = Clock::now();
    deleteCustomSpawnPoint(1, customSpawnPointIn(settingsSectionAsRead(), 1));
    std::printf("  deleting point 1 of 10,000 (29,997 keys moved in one write): %.1f ms\n",
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    closeMenu();
}
