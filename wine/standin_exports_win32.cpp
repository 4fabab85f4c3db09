// The stand-in ScriptHookV.dll: the simulated game behind the host functions
// the real Pelorin.asi binds, and the entry the runner uses to play a scenario.
#include <windows.h>

#include <cstdint>
#include <string>

#include "sim/scenarios.h"
#include "sim/script_host.h"

using KeyboardHandler = void (*)(DWORD, WORD, BYTE, BOOL, BOOL, BOOL, BOOL);

extern "C" {

// The plug-in keeps its log beside its own file; the scenarios look for it there.
void standinScriptRegister(HMODULE module, void (*entry)()) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    std::string directory(path, length < MAX_PATH ? length : 0);
    sim::hostSetPluginDirectory(directory.substr(0, directory.find_last_of("\\/") + 1));
    sim::hostScriptRegister(entry);
}

void standinScriptUnregister(HMODULE) { sim::hostScriptUnregister(); }

void standinKeyboardHandlerRegister(KeyboardHandler handler) {
    sim::hostKeyboardHandlerRegister(
        reinterpret_cast<void (*)(uint32_t, uint16_t, uint8_t, int32_t, int32_t, int32_t, int32_t)>(handler));
}

void standinKeyboardHandlerUnregister(KeyboardHandler) { sim::hostKeyboardHandlerUnregister(); }

void standinScriptWait(DWORD milliseconds) { sim::hostScriptWait(milliseconds); }

void standinNativeInit(UINT64 hash) { sim::hostNativeInit(hash); }

void standinNativePush64(UINT64 value) { sim::hostNativePush64(value); }

PUINT64 standinNativeCall() { return reinterpret_cast<PUINT64>(sim::hostNativeCall()); }

// Plays one scenario with the plug-in that registered itself; 0 when the
// scenario's expectations held.
int standinRunScenario(const char* name) { return sim::runScenario(name); }
}
