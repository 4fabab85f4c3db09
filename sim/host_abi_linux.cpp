// On Linux the plug-in's host functions and its clock are the simulated game's.
#include "host/host_abi.h"
#include "platform/clock.h"
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
