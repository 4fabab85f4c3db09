// The in-game menu: what a frame costs with the menu closed and open (native
// calls, time, the plug-in's heap allocations), and deleting a custom point
// from a file of 10,000, saving one and writing the stored skin back into it,
// and the longest frame of the About page's settings check on it.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>

#include "bench/custom_points_text.h"
#include "menu/menu.h"
#include "sim/script_fiber.h"
#include "sim/script_host.h"
#include "sim/soak_memory.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_write_job.h"
#include "spawn/delete_spawn_point.h"
#include "spawn/save_spawn_point.h"
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

double threadProcessorMilliseconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return 1000.0 * static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e6;
}

// The longest of some frames of play, in milliseconds: of the time passed,
// and of the processor time the frame's thread spent (which leaves out the
// ticks another program on a shared machine takes from it). Neither counts
// the simulated game's wait at a frame's end for a disk call of our
// background thread (the game's frame of 16.7 ms gives it time): that is
// counted apart.
struct LongestFrame {
    double passed = 0, processor = 0, background = 0;
};
LongestFrame longestFrame(int frames) {
    LongestFrame longest;
    for (int i = 0; i < frames; ++i) {
        // The simulated game keeps every text drawn in the run; the growth of
        // that record (a copy of it all, now and then) is no cost of ours.
        sim::world().textDraws.clear();
        const double waitedBefore = sim::backgroundWaitMilliseconds();
        Clock::time_point start = Clock::now();
        const double processorStart = threadProcessorMilliseconds();
        sim::runFor(1);
        const double processor = threadProcessorMilliseconds() - processorStart;
        const double waited = sim::backgroundWaitMilliseconds() - waitedBefore;
        const double passed = std::chrono::duration<double, std::milli>(Clock::now() - start).count() - waited;
        longest.passed = std::max(longest.passed, passed);
        longest.processor = std::max(longest.processor, processor);
        longest.background = std::max(longest.background, waited);
    }
    return longest;
}

// A write of ours begun by start, run by the game's frames to its end: their
// count and the longest of them.
struct WriteFrames {
    int frames = 0;
    LongestFrame longest;
};
template <typename Start>
WriteFrames framesOfWrite(Start start) {
    WriteFrames write;
    start();
    while (settingsWriteRunning() && write.frames < 100000) {
        LongestFrame frame = longestFrame(1);
        write.longest.passed = std::max(write.longest.passed, frame.passed);
        write.longest.processor = std::max(write.longest.processor, frame.processor);
        write.longest.background = std::max(write.longest.background, frame.background);
        ++write.frames;
    }
    return write;
}

void printWrite(const char* what, const WriteFrames& write) {
    std::printf("  %s: %d frames, the longest %.2f ms (%.2f ms of processor time); the simulated "
                "game waited %.2f ms at most at a frame's end for the replace on our thread\n",
                what, write.frames, write.longest.passed, write.longest.processor, write.longest.background);
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
    // Down through the page and back, twice: the first time each new text is
    // measured (and cut or wrapped), the second time every text is known.
    for (int round = 1; round <= 2; ++round) {
        uint64_t questions = w.textWidthQueries;
        double longest = 0;
        for (int move = 0; move < 32; ++move) {
            uint32_t key = move < 16 ? testing_support::keyDown : testing_support::keyUp;
            w.keyMessageAt(w.tick() + 10, key, false);
            w.keyMessageAt(w.tick() + 60, key, true);
            longest = std::max(longest, longestFrame(9).passed);
        }
        std::printf("  moving a line on Where you come back, %s: %.1f width questions per move, longest frame %.2f ms\n",
                    round == 1 ? "first time" : "again     ",
                    static_cast<double>(w.textWidthQueries - questions) / 32, longest);
    }

    sim::World& many = quietGame(withTenThousandCustomPoints(
        testing_support::builtInSettingsWith({{"number_of_custom_spawn_points_in_use", "10000"}})));
    testing_support::pressMenuChord(many);
    testing_support::tapKey(many, testing_support::keyBackspace);
    testing_support::selectLine(many, "Custom points");
    testing_support::tapKey(many, testing_support::keyEnter);
    printCost("open on Custom points (10,000 points, 12 shown)", measureFrames(many, frames));
    std::printf("  (times are of the plug-in and the simulated game together; a frame of the game lasts 16.7 ms)\n");

    printWrite("deleting point 1 of 10,000 (29,997 keys moved in one write)", framesOfWrite([] {
                   deleteCustomSpawnPoint(1, customSpawnPointIn(settingsSectionAsRead(), 1), nullptr);
               }));
    printWrite("saving a point as number 10,000",
               framesOfWrite([] { saveSpawnPointAt(Vector3{100.0f, 200.0f, 30.0f}); }));
    printWrite("writing the stored skin back", framesOfWrite([] { startWritingStoredSkin(0x705E61F2u, nullptr); }));

    testing_support::tapKey(many, testing_support::keyBackspace);
    testing_support::selectLine(many, "About");
    uint32_t now = many.tick();
    many.keyMessageAt(now + 10, testing_support::keyEnter, false);
    many.keyMessageAt(now + 60, testing_support::keyEnter, true);
    LongestFrame about = longestFrame(120);
    std::printf("  About page opened, longest of 120 frames of its check: %.2f ms (%.2f ms of processor time)\n",
                about.passed, about.processor);
    testing_support::tapKey(many, testing_support::keyBackspace);
    uint32_t now2 = many.tick();
    many.keyMessageAt(now2 + 10, testing_support::keyEnter, false);
    many.keyMessageAt(now2 + 60, testing_support::keyEnter, true);
    closeMenu();
}
