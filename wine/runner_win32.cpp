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

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
    char exePath[MAX_PATH];
    GetModuleFileNameA(nullptr, exePath, MAX_PATH);
    char* slash = std::strrchr(exePath, '\\');
    if (slash) slash[1] = '\0';
    char hostPath[MAX_PATH], pluginPath[MAX_PATH];
    std::snprintf(hostPath, sizeof hostPath, "%sScriptHookV.dll", exePath);
    std::snprintf(pluginPath, sizeof pluginPath, "%sPelorin.asi", exePath);
    if (std::strcmp(argv[1], "--without-host") == 0) {
        // A game without the script host: loading and unloading the plug-in
        // must neither fail nor crash, and its log beside it says why it idles.
        char logPath[MAX_PATH];
        std::snprintf(logPath, sizeof logPath, "%sPelorin.log", exePath);
        DeleteFileA(logPath);
        HMODULE alone = LoadLibraryA(pluginPath);
        bool loaded = alone != nullptr;
        if (alone) FreeLibrary(alone);
        char logText[512] = "";
        if (FILE* log = std::fopen(logPath, "rb")) {
            logText[std::fread(logText, 1, sizeof logText - 1, log)] = '\0';
            std::fclose(log);
        }
        bool told = std::strstr(logText, "no script host (ScriptHookV.dll) found") != nullptr;
        std::printf("plug-in without host: %s; Pelorin.log %s\n", loaded ? "loaded and unloaded, idle" : "failed to load",
                    told ? "tells the host is missing" : "does not tell the host is missing");
        return loaded && told ? 0 : 1;
    }
    bool nativeCall = std::strcmp(argv[1], "--native-call") == 0 && (argc == 4 || argc == 5);
    if (!nativeCall && argc > 2 && !SetCurrentDirectoryA(argv[2])) {
        std::fprintf(stderr, "runner: cannot enter %s\n", argv[2]);
        return 2;
    }
    HMODULE hostModule = LoadLibraryA(hostPath);
    if (!hostModule) {
        std::fprintf(stderr, "runner: cannot load %s\n", hostPath);
        return 2;
    }
    if (nativeCall)
        return callNative(hostModule, std::strtoull(argv[2], nullptr, 16), std::atoi(argv[3]),
                          argc == 5 ? std::strtoull(argv[4], nullptr, 16) : 0);
    using RunScenario = int (*)(const char*);
    auto runScenario = reinterpret_cast<RunScenario>(reinterpret_cast<void*>(GetProcAddress(hostModule, "standinRunScenario")));
    HMODULE plugin = LoadLibraryA(pluginPath);
    if (!runScenario || !plugin) {
        std::fprintf(stderr, "runner: cannot load %s\n", pluginPath);
        return 2;
    }
    int result = runScenario(argv[1]);
    FreeLibrary(plugin);
    std::fflush(stdout);
    return result;
}
