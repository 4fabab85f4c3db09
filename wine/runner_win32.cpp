// Hosts the real Pelorin.asi in the stand-in ScriptHookV.dll, as the game
// would: loads the host, then the plug-in (whose library entry registers its
// script and keyboard handler), plays a scenario on the script's fibre frame
// by frame in real time, and unloads the plug-in.
//   runner.exe <scenario> [game directory]
//   runner.exe --without-host   (loads the plug-in alone: it must stay idle)
#include <windows.h>

#include <cstdio>
#include <cstring>

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
    if (argc > 2 && !SetCurrentDirectoryA(argv[2])) {
        std::fprintf(stderr, "runner: cannot enter %s\n", argv[2]);
        return 2;
    }
    HMODULE hostModule = LoadLibraryA(hostPath);
    if (!hostModule) {
        std::fprintf(stderr, "runner: cannot load %s\n", hostPath);
        return 2;
    }
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
