// The background thread of our disk calls: a call runs beside its caller,
// calls run one after the other in the order started, the thread comes back
// after its idle end and outlives it while kept, and a forked child (the crash tests fork) gets one of
// its own instead of waiting for its parent's.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/background_call.h"

namespace {

using namespace std::chrono_literals;

// A call that holds its thread until the caller lets it go (or ten seconds pass).
struct HeldCall {
    std::atomic<bool> released{false}, sawRelease{false};
    std::thread::id ranOn;
    void start() {
        startBackgroundCall([this] {
            ranOn = std::this_thread::get_id();
            for (auto until = std::chrono::steady_clock::now() + 10s;
                 !released && std::chrono::steady_clock::now() < until;)
                std::this_thread::sleep_for(1ms);
            sawRelease = released.load();
        });
    }
};

}  // namespace

TEST(BackgroundCall, RunsBesideItsCallerAndOneAfterAnotherInOrder) {
    HeldCall held;
    held.start();
    // Back here while the call still runs: it is not on this thread.
    held.released = true;
    waitForBackgroundCall();
    EXPECT_TRUE(held.sawRelease) << "the start returned only when the call had ended";
    EXPECT_NE(held.ranOn, std::this_thread::get_id());

    std::string order;
    startBackgroundCall([&] {
        std::this_thread::sleep_for(20ms);
        order += 'a';
    });
    startBackgroundCall([&] { order += 'b'; });
    waitForBackgroundCall();
    EXPECT_EQ(order, "ab") << "a call started while one runs waits for it";
}

TEST(BackgroundCall, ACallAfterTheThreadsIdleEndRuns) {
    bool first = false, second = false;
    startBackgroundCall([&] { first = true; });
    waitForBackgroundCall();
    // The thread ends after some seconds without a call.
    std::this_thread::sleep_for(3s);
    startBackgroundCall([&] { second = true; });
    waitForBackgroundCall();
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
}

// A write keeps the thread from its first step, so that the replace only
// posts: kept, it outlives its idle end; left, it ends and is made again.
TEST(BackgroundCall, AKeptThreadOutlivesItsIdleEndAndIsMadeAgainAfterIt) {
    keepBackgroundThread();
    for (int kept = 0; kept < 6; ++kept) {
        std::this_thread::sleep_for(500ms);
        EXPECT_FALSE(keepBackgroundThread()) << "made again after " << kept + 1 << " half seconds of keeping";
    }
    std::thread::id ranOn;
    startBackgroundCall([&] { ranOn = std::this_thread::get_id(); });
    waitForBackgroundCall();
    EXPECT_NE(ranOn, std::this_thread::get_id());
    std::this_thread::sleep_for(4500ms);
    EXPECT_TRUE(keepBackgroundThread()) << "made in this call, the kept one having ended";
    EXPECT_FALSE(keepBackgroundThread());
}

TEST(BackgroundCall, AForkedChildRunsItsOwnCalls) {
    bool before = false;
    startBackgroundCall([&] { before = true; });
    waitForBackgroundCall();
    ASSERT_TRUE(before);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool ran = false;
        startBackgroundCall([&] { ran = true; });
        waitForBackgroundCall();
        _exit(ran ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
