// On Linux the plug-in's host functions and its clock are the simulated game's.
#include "host/host_abi.h"

#include <ctime>

#include "platform/clock.h"
#include "platform/file_age.h"
#include "sim/script_host.h"

namespace host {

void scriptRegister(ModuleHandle, ScriptMain entry) { sim::hostScriptRegister(entry); }
void scriptUnregister(ModuleHandle) { sim::hostScriptUnregister(); }
void keyboardHandlerRegister(KeyboardHandler handler) { sim::hostKeyboardHandlerRegister(handler); }
void keyboardHandlerUnregister(KeyboardHandler) { sim::hostKeyboardHandlerUnregister(); }
void scriptWait(uint32_t milliseconds) { sim::hostScriptWait(milliseconds); }
void nativeInit(uint64_t hash) { sim::hostNativeInit(hash); }
void nativePush64(uint64_t value) { sim::hostNativePush64(value); }
uint64_t* nativeCall() { return sim::hostNativeCall(); }

}  // namespace host

uint32_t tickCount() { return sim::world().tick(); }

// The files are stamped by the system's clock, the simulated game runs on its
// virtual one, far faster. The files' "now" is the system's time moved on by
// the game's clock and an hour more: a file written by the system's clock
// alone (before the game, by a test's editor, or stamped some seconds on to
// stand for a later save) is older than any wait for a still file, and a file
// a test stamps with this clock's time is one saved at that moment of the
// game, which then ages as the game's clock runs.
uint64_t fileClockMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    uint64_t system = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return system + sim::world().tick() + 3600u * 1000u;
}
