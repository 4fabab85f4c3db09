// The once-a-second settings check under Wine, beside the per-key Win32
// reader, in one run, on the shipped settings file and on one with 10,000
// custom points:
//   settings_bench.exe <shipped Pelorin.ini>
// "Ours" is the settings work of the check as runSettingsCheck does it:
// readSettings (one open; a parse when the text differs from the last one read;
// every key of the record looked up), settingsFileChanged and the stored skin
// (from the same read); the natives the check also calls are not part of it.
// It is timed with the file unchanged (most seconds) and with the file
// changed before every check, so that every check parses. "Per-key Win32" is the same
// work the way the private-profile functions do it: a file-status query,
// GetPrivateProfileIntA for each integer key and GetPrivateProfileStringA for
// the float key, the write time through CreateFileA and GetFileTime, and the
// stored skin; "uncached" flushes the profile cache before each check, so the
// file is read again, "cached" does not. Figures are medians per check.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "bench/custom_points_text.h"
#include "settings/respawn_settings.h"

namespace {

unsigned long long allocationCount = 0;

}  // namespace

void* operator new(std::size_t size) {
    ++allocationCount;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

// The bench has no game to post to; a switch of "random_player_respawns" is
// not part of an unchanged second anyway.
void showNotification(const char*) {}

namespace {

const char* const path = ".\\Pelorin.ini";

double now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

volatile unsigned sink;  // keeps the compiler from dropping the Win32 reads

void ourCheck() {
    readSettings();
    settingsFileChanged();
    holdSettingsRead(true);
    sink = readStoredSkin();
    holdSettingsRead(false);
}

void perKeyWin32Check() {
    unsigned total = GetFileAttributesA(path);
    char text[32] = "";
    for (const SettingKey& key : settingKeys) {
        if (!key.inRecord) continue;
        if (key.kind == SettingKind::Float)
            GetPrivateProfileStringA("Player_Respawn", key.name, "0", text, sizeof text, path);
        else
            total += GetPrivateProfileIntA("Player_Respawn", key.name, -1, path);
    }
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    FILETIME written;
    if (file != INVALID_HANDLE_VALUE) {
        GetFileTime(file, nullptr, nullptr, &written);
        CloseHandle(file);
    }
    total += GetPrivateProfileIntA("Player_Respawn", "stored_last_used_skin", -1, path);
    sink = total + static_cast<unsigned>(text[0]);
}

void uncachedWin32Check() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
    perKeyWin32Check();
}

struct Figures {
    double median;
    double worst;
};

// Times the check alone; prepare (untimed) runs before each.
template <typename Prepare, typename Check>
Figures measure(int repeats, Prepare prepare, Check check) {
    for (int i = 0; i < 3; ++i) check();  // warm up
    std::vector<double> times;
    times.reserve(static_cast<size_t>(repeats));
    for (int i = 0; i < repeats; ++i) {
        prepare(i);
        double start = now();
        check();
        times.push_back(now() - start);
    }
    std::sort(times.begin(), times.end());
    return Figures{times[times.size() / 2], times.back()};
}

bool writeSettingsFile(const std::string& text) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool done = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
    CloseHandle(file);
    return done && written == text.size();
}

void writeOrExit(const std::string& text) {
    if (!writeSettingsFile(text)) {
        std::printf("cannot write the settings file\n");
        std::exit(1);
    }
}

void benchFile(const char* label, const std::string& text, int repeats) {
    // The same file with one value changed, so that every check parses anew.
    std::string other = text;
    size_t value = other.find("first_wait_time=") + 16;
    other[value] = other[value] == '9' ? '8' : '9';
    auto unchanged = [](int) {};
    auto changed = [&text, &other](int i) { writeOrExit(i % 2 ? text : other); };

    writeOrExit(text);
    Figures ours = measure(repeats, unchanged, ourCheck);
    unsigned long long allocationsBefore = allocationCount;
    for (int i = 0; i < 100; ++i) ourCheck();
    double allocations = static_cast<double>(allocationCount - allocationsBefore) / 100;
    Figures reparsed = measure(repeats, changed, ourCheck);
    writeOrExit(text);
    Figures uncached = measure(repeats, unchanged, uncachedWin32Check);
    Figures cached = measure(repeats, unchanged, perKeyWin32Check);
    std::printf("%s (%zu bytes), %d checks each, median (worst) per check:\n", label, text.size(), repeats);
    std::printf("  ours, file unchanged (one open, no parse):  %9.1f us (%9.1f)  %.2f heap allocations per check\n",
                ours.median, ours.worst, allocations);
    std::printf("  ours, file changed before each check:       %9.1f us (%9.1f)  (one open, one parse)\n",
                reparsed.median, reparsed.worst);
    std::printf("  per-key Win32, uncached:                    %9.1f us (%9.1f)  ours %.1fx / %.1fx faster\n",
                uncached.median, uncached.worst, uncached.median / ours.median, uncached.median / reparsed.median);
    std::printf("  per-key Win32, cached:                      %9.1f us (%9.1f)  ours %.1fx / %.1fx faster\n",
                cached.median, cached.worst, cached.median / ours.median, cached.median / reparsed.median);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: settings_bench <shipped Pelorin.ini>\n");
        return 2;
    }
    FILE* in = std::fopen(argv[1], "rb");
    if (!in) {
        std::printf("cannot read %s\n", argv[1]);
        return 2;
    }
    std::string shipped;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) shipped.append(chunk, n);
    std::fclose(in);

    char directory[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    std::string game = std::string(directory) + "pelorin_bench_" + std::to_string(GetCurrentProcessId());
    if (!CreateDirectoryA(game.c_str(), nullptr) || !SetCurrentDirectoryA(game.c_str())) return 2;

    std::string points = withTenThousandCustomPoints(shipped);
    std::printf("the once-a-second settings check under Wine (simulated game not involved)\n");
    benchFile("shipped Pelorin.ini", shipped, 2000);
    benchFile("Pelorin.ini with 10,000 custom points", points, 200);

    DeleteFileA(path);
    SetCurrentDirectoryA(directory);
    RemoveDirectoryA(game.c_str());
    return 0;
}
