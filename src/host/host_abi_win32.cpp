#include <windows.h>

#include "host/host_abi.h"
#include "host/host_binding.h"

namespace {

// The host exports its functions under their MSVC-decorated C++ names.
using ScriptRegisterFn = void (*)(HMODULE, void (*)());
using ScriptUnregisterFn = void (*)(HMODULE);
using KeyboardHandlerFn = void (*)(DWORD, WORD, BYTE, BOOL, BOOL, BOOL, BOOL);
using KeyboardRegisterFn = void (*)(KeyboardHandlerFn);
using ScriptWaitFn = void (*)(DWORD);
using NativeInitFn = void (*)(UINT64);
using NativePush64Fn = void (*)(UINT64);
using NativeCallFn = PUINT64 (*)();

ScriptRegisterFn scriptRegisterFn;
ScriptUnregisterFn scriptUnregisterFn;
KeyboardRegisterFn keyboardHandlerRegisterFn;
KeyboardRegisterFn keyboardHandlerUnregisterFn;
ScriptWaitFn scriptWaitFn;
NativeInitFn nativeInitFn;
NativePush64Fn nativePush64Fn;
NativeCallFn nativeCallFn;

template <class Fn>
bool bind(HMODULE hostModule, const char* name, Fn* out) {
    *out = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(hostModule, name)));
    return *out != nullptr;
}

}  // namespace

bool bindHost() {
    HMODULE hostModule = GetModuleHandleA("ScriptHookV.dll");
    if (!hostModule) return false;
    bool bound = bind(hostModule, "?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z", &scriptRegisterFn) &&
                 bind(hostModule, "?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z", &scriptUnregisterFn) &&
                 bind(hostModule, "?keyboardHandlerRegister@@YAXP6AXKGEHHHH@Z@Z", &keyboardHandlerRegisterFn) &&
                 bind(hostModule, "?keyboardHandlerUnregister@@YAXP6AXKGEHHHH@Z@Z", &keyboardHandlerUnregisterFn) &&
                 bind(hostModule, "?scriptWait@@YAXK@Z", &scriptWaitFn) &&
                 bind(hostModule, "?nativeInit@@YAX_K@Z", &nativeInitFn) &&
                 bind(hostModule, "?nativePush64@@YAX_K@Z", &nativePush64Fn) &&
                 bind(hostModule, "?nativeCall@@YAPEA_KXZ", &nativeCallFn);
    if (!bound) scriptRegisterFn = nullptr;
    return bound;
}

namespace host {

void scriptRegister(ModuleHandle module, ScriptMain entry) {
    scriptRegisterFn(static_cast<HMODULE>(module), entry);
}
void scriptUnregister(ModuleHandle module) { scriptUnregisterFn(static_cast<HMODULE>(module)); }
void keyboardHandlerRegister(KeyboardHandler handler) {
    keyboardHandlerRegisterFn(reinterpret_cast<KeyboardHandlerFn>(handler));
}
void keyboardHandlerUnregister(KeyboardHandler handler) {
    keyboardHandlerUnregisterFn(reinterpret_cast<KeyboardHandlerFn>(handler));
}
void scriptWait(uint32_t milliseconds) { scriptWaitFn(milliseconds); }
void nativeInit(uint64_t hash) { nativeInitFn(hash); }
void nativePush64(uint64_t value) { nativePush64Fn(value); }
uint64_t* nativeCall() { return reinterpret_cast<uint64_t*>(nativeCallFn()); }

}  // namespace host
