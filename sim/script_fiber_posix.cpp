#include <ucontext.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "platform/background_call.h"
#include "sim/script_fiber.h"

namespace sim {
namespace {

constexpr size_t stackSize = 1 << 20;

struct Fiber {
    ucontext_t host{};
    ucontext_t script{};
    std::vector<char> stack = std::vector<char>(stackSize);
    void (*entry)() = nullptr;
    bool running = false;  // the script fibre has control
    bool finished = false;
};

Fiber* current = nullptr;
std::chrono::steady_clock::duration waited{};

void fiberStart() {
    current->entry();
    current->finished = true;
    current->running = false;
    swapcontext(&current->script, &current->host);
}

}  // namespace

void startScriptFiber(void (*entry)()) {
    discardScriptFiber();
    current = new Fiber;
    current->entry = entry;
    getcontext(&current->script);
    current->script.uc_stack.ss_sp = current->stack.data();
    current->script.uc_stack.ss_size = current->stack.size();
    current->script.uc_link = nullptr;
    makecontext(&current->script, fiberStart, 0);
}

bool resumeScriptFiber() {
    if (!current || current->finished) return false;
    current->running = true;
    swapcontext(&current->host, &current->script);
    // Assumption: a disk call the plug-in leaves to its background thread
    // (a replace of the settings file, a few milliseconds) ends within the
    // game's frame of 16.7 ms that it began in. Waiting for it here keeps the
    // simulated game's frames, and so every run, the same from one run to the
    // next, and keeps the game's own events (an editor's save) between frames.
    const auto waitStart = std::chrono::steady_clock::now();
    waitForBackgroundCall();
    waited += std::chrono::steady_clock::now() - waitStart;
    return true;
}

bool onScriptFiber() { return current && current->running; }

void yieldToHost() {
    current->running = false;
    swapcontext(&current->script, &current->host);
}

double backgroundWaitMilliseconds() { return std::chrono::duration<double, std::milli>(waited).count(); }

void discardScriptFiber() {
    // The abandoned fibre's stack is dropped without unwinding: the game ended.
    delete current;
    current = nullptr;
}

}  // namespace sim
