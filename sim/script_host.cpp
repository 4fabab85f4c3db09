#include "sim/script_host.h"

#include <vector>

#include "sim/native_table.h"
#include "sim/script_fiber.h"

namespace sim {
namespace {

std::vector<uint64_t> pendingArgs;
uint64_t pendingHash = 0;
uint64_t resultSlots[4];
// The script's current wait: when it began and how many milliseconds it lasts.
uint32_t scriptWaitStart = 0;
uint32_t scriptWaitLength = 0;
bool scriptStarted = false;
std::string pluginFolder;

bool tickReachedOrPassed(uint32_t now, uint32_t target) { return static_cast<int32_t>(now - target) >= 0; }

// A wait is over once its length has elapsed, measured as the host measures
// it: an unsigned millisecond difference (a wait of 0xFFFFFFFF lasts 49.7 days).
bool scriptWaitOver(uint32_t now) { return now - scriptWaitStart >= scriptWaitLength; }

}  // namespace

void hostScriptRegister(void (*entry)()) { world().scriptEntry = entry; }

void hostScriptUnregister() { world().scriptEntry = nullptr; }

void hostSetPluginDirectory(const std::string& directory) { pluginFolder = directory; }

const std::string& pluginDirectory() { return pluginFolder; }

void hostKeyboardHandlerRegister(void (*handler)(uint32_t, uint16_t, uint8_t, int32_t, int32_t, int32_t, int32_t)) {
    world().keyboardHandler = handler;
}

void hostKeyboardHandlerUnregister() { world().keyboardHandler = nullptr; }

void hostScriptWait(uint32_t milliseconds) {
    World& w = world();
    uint32_t start = w.tick();
    if (onScriptFiber()) {
        // The frame loop resumes the script once the wait is over; a wait of 0
        // lasts until the next frame.
        scriptWaitStart = start;
        scriptWaitLength = milliseconds;
        yieldToHost();
        return;
    }
    // Called outside the script fibre (a direct call from a test or a tool):
    // the game moves on here, frame by frame.
    do {
        w.advanceFrame();
    } while (w.tick() - start < milliseconds);
}

void hostNativeInit(uint64_t hash) {
    pendingHash = hash;
    pendingArgs.clear();
}

void hostNativePush64(uint64_t value) { pendingArgs.push_back(value); }

uint64_t* hostNativeCall() {
    dispatchNative(world(), pendingHash, pendingArgs, resultSlots);
    return resultSlots;
}

void startScript() {
    World& w = world();
    if (!w.scriptEntry) return;
    startScriptFiber(w.scriptEntry);
    scriptWaitStart = w.tick();
    scriptWaitLength = 0;
    scriptStarted = true;
}

void runScriptTurn() {
    if (scriptStarted && scriptWaitOver(world().tick())) resumeScriptFiber();
}

bool runUntil(const std::function<bool(World&)>& done, uint32_t limitMilliseconds) {
    World& w = world();
    uint32_t end = w.tick() + limitMilliseconds;
    while (!tickReachedOrPassed(w.tick(), end)) {
        runScriptTurn();
        if (done && done(w)) return true;
        w.advanceFrame();
        // The world as the game left it, before the script answers it.
        if (done && done(w)) return true;
    }
    return false;
}

void runFor(uint32_t milliseconds) { runUntil(nullptr, milliseconds); }

void stopScript() {
    discardScriptFiber();
    scriptStarted = false;
}

}  // namespace sim
