#pragma once
// The eight functions of the script host (ScriptHookV.dll), as the plug-in sees
// them. On Windows they are bound from the loaded host at process attach; on
// Linux the simulated game provides them.
#include <cstdint>

namespace host {

using ScriptMain = void (*)();
using KeyboardHandler = void (*)(uint32_t key, uint16_t repeats, uint8_t scanCode, int32_t isExtended,
                                 int32_t isWithAlt, int32_t wasDownBefore, int32_t isUpNow);

// Module handle of the plug-in as the host knows it (HMODULE on Windows).
using ModuleHandle = void*;

void scriptRegister(ModuleHandle module, ScriptMain entry);
void scriptUnregister(ModuleHandle module);
void keyboardHandlerRegister(KeyboardHandler handler);
void keyboardHandlerUnregister(KeyboardHandler handler);
void scriptWait(uint32_t milliseconds);
void nativeInit(uint64_t hash);
void nativePush64(uint64_t value);
uint64_t* nativeCall();

}  // namespace host
