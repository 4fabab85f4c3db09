// Hosts the real Pelorin.asi in the stand-in ScriptHookV.dll, as the game
// would: loads the host, then the plug-in (whose library entry registers its
// script and keyboard handler), plays a scenario on the script's fibre frame
// by frame in real time, and unloads the plug-in.
//   runner.exe <scenario> [game directory]
//   runner.exe --without-host   (loads the plug-in alone: it must stay idle)
//   runner.exe --native-call <hash> <argument count> [first argument]
//                               (the stand-in host alone answers one call of a
//                               native with that many arguments, the first as
//                               given in hexadecimal, the others zero; it ends
//                               the process when the game reads another count
//                               or a handle of another kind)
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

// Calls a native through the host's exports as a plug-in does.
int callNative(HMODULE host, uint64_t hash, int arguments, uint64_t first) {
    using NativeInit = void (*)(UINT64);
    using NativePush64 = void (*)(UINT64);
    using NativeCall = PUINT64 (*)();
    auto init = reinterpret_cast<NativeInit>(reinterpret_cast<void*>(GetProcAddress(host, "?nativeInit@@YAX_K@Z")));
    auto push = reinterpret_cast<NativePush64>(reinterpret_cast<void*>(GetProcAddress(host, "?nativePush64@@YAX_K@Z")));
    auto call = reinterpret_cast<NativeCall>(reinterpret_cast<void*>(GetProcAddress(host, "?nativeCall@@YAPEA_KXZ")));
    if (!init || !push || !call) {
        std::fprintf(stderr, "runner: the host does not export the native-call functions\n");
        return 2;
    }
    init(hash);
    for (int i = 0; i < arguments; ++i) push(i == 0 ? first : 0);
    PUINT64 result = call();
    std::printf("native 0x%016llX with %d arguments answered: 0x%llX\n", static_cast<unsigned long long>(hash),
                arguments, static_cast<unsigned long long>(result[0]));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: runner <scenario> [game directory]\n");
        return 2;
    }
    // Paths through the wide functions, so that the runner, the host and the
    // plug-in may sit in a folder of any name.
    wchar_t exePath[MAX_PATH];
    DWORD exeLength = GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    if (exeLength == 0 || exeLength >= MAX_PATH) return 2;
    wchar_t* slash = std::wcsrchr(exePath, L'\\');
    if (slash) slash[1] = L'\0';
    wchar_t hostPath[MAX_PATH], pluginPath[MAX_PATH];
    std::swprintf(hostPath, MAX_PATH, L"%lsScriptHookV.dll", exePath);
    std::swprintf(pluginPath, MAX_PATH, L"%lsPelorin.asi", exePath);
    if (std::strcmp(argv[1], "--without-host") == 0) {
        // A game without the script host: loading and unloading the plug-in
        // must neither fail nor crash, and its log beside it says why it idles.
        wchar_t logPath[MAX_PATH];
        std::swprintf(logPath, MAX_PATH, L"%lsPelorin.log", exePath);
        DeleteFileW(logPath);
        HMODULE alone = LoadLibraryW(pluginPath);
        bool loaded = alone != nullptr;
        if (alone) FreeLibrary(alone);
        char logText[512] = "";
        if (FILE* log = _wfopen(logPath, L"rb")) {
            logText[std::fread(logText, 1, sizeof logText - 1, log)] = '\0';
            std::fclose(log);
        }
        bool told = std::strstr(logText, "no script host (ScriptHookV.dll) found") != nullptr;
        std::printf("plug-in without host: %s; Pelorin.log %s\n", loaded ? "loaded and unloaded, idle" : "failed to load",
                    told ? "tells the host is missing" : "does not tell the host is missing");
        return loaded && told ? 0 : 1;
    }
    bool nativeCall = std::strcmp(argv[1], "--native-call") == 0 && (argc == 4 || argc == 5);
    if (!nativeCall && argc > 2) {
        int count = 0;
        wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
        bool entered = wide != nullptr && count > 2 && SetCurrentDirectoryW(wide[2]);
        LocalFree(wide);
        if (!entered) {
            std::fprintf(stderr, "runner: cannot enter %s\n", argv[2]);
            return 2;
        }
    }
    HMODULE hostModule = LoadLibraryW(hostPath);
    if (!hostModule) {
        std::fprintf(stderr, "runner: cannot load ScriptHookV.dll\n");
        return 2;
    }
    if (nativeCall)
        return callNative(hostModule, std::strtoull(argv[2], nullptr, 16), std::atoi(argv[3]),
                          argc == 5 ? std::strtoull(argv[4], nullptr, 16) : 0);
    using RunScenario = int (*)(const char*);
    auto runScenario = reinterpret_cast<RunScenario>(reinterpret_cast<void*>(GetProcAddress(hostModule, "standinRunScenario")));
    HMODULE plugin = LoadLibraryW(pluginPath);
    if (!runScenario || !plugin) {
        std::fprintf(stderr, "runner: cannot load Pelorin.asi\n");
        return 2;
    }
    int result = runScenario(argv[1]);
    FreeLibrary(plugin);
    // A disk call of the plug-in's still running on its thread keeps it
    // loaded; it must unload when that call ends, and else at once (the
    // thread's pool waits for calls in the system's code, holding nothing).
    for (int waited = 0; GetModuleHandleW(L"Pelorin.asi") != nullptr; waited += 50) {
        if (waited == 10000) {
            std::printf("Pelorin.asi still loaded 10 s after it was freed\n");
            result = 1;
            break;
        }
        Sleep(50);
    }
    std::fflush(stdout);
    return result;
}
