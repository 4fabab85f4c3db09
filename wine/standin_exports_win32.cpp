// The stand-in ScriptHookV.dll: the simulated game behind the host functions
// the real Pelorin.asi binds, and the entry the runner uses to play a scenario.
#include <windows.h>

#include <cstdint>
#include <string>

#include "sim/scenarios.h"
#include "sim/script_host.h"

using KeyboardHandler = void (*)(DWORD, WORD, BYTE, BOOL, BOOL, BOOL, BOOL);

extern "C" {

// The plug-in keeps its log beside its own file; the scenarios look for it
// there: as "" when that is the current directory (the scenarios' file
// functions take narrow paths, which a folder of any name need not fit), else
// as its path.
void standinScriptRegister(HMODULE module, void (*entry)()) {
    wchar_t path[MAX_PATH], current[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) length = 0;
    path[length] = L'\0';
    if (wchar_t* slash = wcsrchr(path, L'\\')) slash[1] = L'\0';
    DWORD currentLength = GetCurrentDirectoryW(MAX_PATH - 1, current);
    if (currentLength > 0 && currentLength < MAX_PATH - 1 && current[currentLength - 1] != L'\\')
        lstrcatW(current, L"\\");
    char narrow[MAX_PATH * 3] = "";
    if (lstrcmpiW(path, current) != 0)
        WideCharToMultiByte(CP_UTF8, 0, path, -1, narrow, sizeof narrow, nullptr, nullptr);
    sim::hostSetPluginDirectory(narrow);
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
