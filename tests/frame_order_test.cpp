// The order of the main loop's steps within a frame, read from the calls the
// plug-in makes: the respawn-on-demand test first, then the once-a-second
// check, the death and arrest handler (whose watch steps span two frames) and
// the skin tracker after it.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "sim/script_host.h"
#include "tests/support/plugin_state.h"

namespace {

// The first native each step calls, or one it alone calls.
constexpr uint64_t screenFadedInNative = 0x5A859503B0C08678ull;    // the chord's gate
constexpr uint64_t entityModelNative = 0x9F47B058362C84B5ull;      // the check's model questions
constexpr uint64_t loadingScreenNative = 0x10D0A8F259E93EC9ull;    // the handler's loading-screen watch
constexpr uint64_t entityCoordsNative = 0x3FEF770D40960D5Aull;     // the handler's death point
constexpr uint64_t missionFlagNative = 0xA33CDCCDA663159Eull;      // the skin tracker

// The calls of each script turn: the script runs once per frame, and each
// frame has a tick of its own.
std::map<uint32_t, std::vector<uint64_t>> callsByFrame(const sim::World& w, uint32_t from) {
    std::map<uint32_t, std::vector<uint64_t>> frames;
    for (const sim::CallRecord& call : w.calls)
        if (static_cast<int32_t>(call.tick - from) >= 0) frames[call.tick].push_back(call.hash);
    return frames;
}

long indexOf(const std::vector<uint64_t>& calls, uint64_t hash) {
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i] == hash) return static_cast<long>(i);
    return -1;
}

}  // namespace

TEST(FrameOrder, ChordTestThenCheckThenHandlerThenSkinTracker) {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(testing_support::builtInSettingsText());
    sim::startScript();
    sim::runFor(1000);
    uint32_t from = w.tick();
    sim::runFor(5000);
    int checkFrames = 0, trackerFrames = 0;
    for (const auto& [tick, calls] : callsByFrame(w, from)) {
        long loadingScreen = indexOf(calls, loadingScreenNative);
        if (loadingScreen >= 0) {
            // The frame in which a pass of the handler starts begins with the chord test.
            EXPECT_EQ(indexOf(calls, screenFadedInNative), 0) << "at " << tick;
            long model = indexOf(calls, entityModelNative);
            if (model >= 0) {
                ++checkFrames;
                EXPECT_LT(model, loadingScreen) << "the check before the handler, at " << tick;
            }
        }
        long missionFlag = indexOf(calls, missionFlagNative);
        if (missionFlag >= 0) {
            ++trackerFrames;
            long coords = indexOf(calls, entityCoordsNative);
            EXPECT_GE(coords, 0) << "the tracker in the frame of the handler's watch steps, at " << tick;
            EXPECT_LT(coords, missionFlag) << "after them, at " << tick;
        }
    }
    EXPECT_GE(checkFrames, 4);
    EXPECT_GE(trackerFrames, 20);
}
