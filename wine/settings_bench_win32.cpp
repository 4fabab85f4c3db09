// The once-a-second settings check under Wine, beside the per-key Win32
// reader, in one run, on the shipped settings file and on one with 10,000
// custom points in use:
//   settings_bench.exe <shipped Pelorin.ini>
// "Ours" is the settings work of a frame as the plug-in does it: the check's
// readSettingsForFrame (one open; when the text differs from the one in force,
// one walk over it that parses the section and checks every line for the log,
// a step per frame; every key of the record looked up once it is read), then
// settingsFileChanged and the stored skin (from the same read); the natives
// the check also calls are not part of it. It is timed with the file
// unchanged (most seconds), with the file saved by the player before every
// check, frame by frame until the save is read, as a game's first frames do
// it (the start's read, a step per frame), in a fresh process each time, so
// that the kept storage grows from nothing, and as the check writes the
// stored skin back (a write of ours, a step per frame until it ends).
// "Per-key Win32" is the check's work the way the private-profile functions
// do it: a file-status query, GetPrivateProfileIntA for each integer key and
// GetPrivateProfileStringA for the float key (the private-profile reader the
// plug-in replaced, kept as the control), the write time through CreateFileW
// and GetFileTime, and the stored skin; "uncached" flushes the
// profile cache before each check, so the file is read again, "cached" does
// not. Figures: median, best and worst over the checks; for a save and for the
// start, over all their frames (with the time 95 percent of them stay
// within) and over each one's longest frame. On a machine shared with other
// work a frame is now and then held up by the system for a time of its own:
// a control of frames of plain arithmetic shows how often and how long.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <new>
#include <string>
#include <vector>

#include "bench/custom_points_text.h"
#include "platform/background_call.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_write_job.h"

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
const wchar_t* const widePath = L".\\Pelorin.ini";

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

// One frame's settings work of the check, as runSettingsReread does it.
SettingsRead ourFrame() {
    SettingsRead read = readSettingsForFrame();
    if (read == SettingsRead::Read) {
        holdSettingsRead(true);
        settingsFileChanged();
        sink = readStoredSkin();
        holdSettingsRead(false);
    }
    return read;
}

// The time of each frame of one check until it has read the file; with a
// gap, the rest of the game's frame passes (untimed) between two of ours.
template <typename Frame>
std::vector<double> framesUntilRead(Frame frame, DWORD gapMilliseconds = 0) {
    std::vector<double> frames;
    for (bool read = false; !read;) {
        double start = now();
        read = frame();
        frames.push_back(now() - start);
        if (!read && gapMilliseconds) Sleep(gapMilliseconds);
    }
    return frames;
}

// A game's first frames, as runMainLoop has them: the start's read, a step
// per frame. (The loop's first check comes a second later.)
std::vector<double> startFrames() {
    return framesUntilRead([] {
        SettingsRead read = readSettingsForFrame();
        if (read == SettingsRead::Parsing) return false;
        if (read == SettingsRead::Failed) applyBuiltInSettings();
        settingsFileChanged();
        return true;
    });
}

void perKeyWin32Check() {
    unsigned total = GetFileAttributesW(widePath);
    char text[32] = "";
    for (const SettingKey& key : settingKeys) {
        if (!key.inRecord) continue;
        if (key.kind == SettingKind::Float)
            GetPrivateProfileStringA("Player_Respawn", key.name, "0", text, sizeof text, path);
        else
            total += GetPrivateProfileIntA("Player_Respawn", key.name, -1, path);
    }
    HANDLE file = CreateFileW(widePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
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
    double best;
    double worst;
    double percentile95;
};

Figures figuresOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return Figures{times[times.size() / 2], times.front(), times.back(), times[times.size() * 95 / 100]};
}

// The frames of checks that take several: every frame's time, of each check
// its longest frame, and the frame that costs most by its place in the
// sequence (the median over the checks of the first frame, of the second, and
// so on: what a frame costs without the system's hold-ups).
struct FrameFigures {
    Figures frame;
    Figures longest;
    double framesPerCheck;
    double costliestPlace;
};

FrameFigures frameFiguresOf(const std::vector<std::vector<double>>& checks) {
    std::vector<double> all, longest;
    std::vector<std::vector<double>> byPlace;
    for (const std::vector<double>& frames : checks) {
        all.insert(all.end(), frames.begin(), frames.end());
        longest.push_back(*std::max_element(frames.begin(), frames.end()));
        if (byPlace.size() < frames.size()) byPlace.resize(frames.size());
        for (size_t i = 0; i < frames.size(); ++i) byPlace[i].push_back(frames[i]);
    }
    double costliest = 0.0;
    for (const std::vector<double>& place : byPlace) costliest = std::max(costliest, figuresOf(place).median);
    return FrameFigures{figuresOf(all), figuresOf(longest), static_cast<double>(all.size()) / checks.size(),
                        costliest};
}

// Times a check of one frame.
template <typename Check>
Figures measure(int repeats, Check check) {
    for (int i = 0; i < 3; ++i) check();  // warm up
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        double start = now();
        check();
        times.push_back(now() - start);
    }
    return figuresOf(times);
}

bool writeSettingsFile(const std::string& text) {
    HANDLE file = CreateFileW(widePath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool done = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
    CloseHandle(file);
    return done && written == text.size();
}

// The file as a save of a minute ago: our writes go only into a file that has
// been still a while.
void ageSettingsFile() {
    HANDLE file = CreateFileW(widePath, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER past;
    past.LowPart = now.dwLowDateTime;
    past.HighPart = now.dwHighDateTime;
    past.QuadPart -= 60ull * 10000000ull;
    FILETIME then{past.LowPart, past.HighPart};
    SetFileTime(file, nullptr, nullptr, &then);
    CloseHandle(file);
}

void writeOrExit(const std::string& text) {
    if (!writeSettingsFile(text)) {
        std::printf("cannot write the settings file\n");
        std::exit(1);
    }
}

// The first frames, each time in a fresh process of this program started in
// the game directory ("--first-frames" below, which prints each frame's time).
std::vector<std::vector<double>> measureFirstFrames(int repeats) {
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring command = std::wstring(L"\"") + program + L"\" --first-frames";
    std::vector<std::vector<double>> starts;
    for (int i = 0; i < repeats; ++i) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE readEnd, writeEnd;
        if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) std::exit(1);
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
            std::exit(1);
        CloseHandle(writeEnd);
        std::string output;
        char chunk[512];
        DWORD got = 0;
        while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) output.append(chunk, got);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        CloseHandle(readEnd);
        std::vector<double> frames;
        for (const char* p = output.c_str(); *p != '\0';) {
            char* end = nullptr;
            double time = std::strtod(p, &end);
            if (end == p) break;
            frames.push_back(time);
            p = end;
        }
        if (frames.empty()) std::exit(1);
        starts.push_back(frames);
    }
    return starts;
}

// The machine's own share of a frame's time: frames of plain arithmetic that
// take about 500 us when nothing else runs, timed as the frames above.
FrameFigures controlFrames() {
    std::vector<std::vector<double>> checks;
    volatile double x = 0;
    for (int check = 0; check < 100; ++check) {
        std::vector<double> frames;
        for (int frame = 0; frame < 18; ++frame) {
            double start = now();
            for (int i = 0; i < 250000; ++i) x = x + i * 0.5;
            frames.push_back(now() - start);
        }
        checks.push_back(frames);
        Sleep(20);
    }
    return frameFiguresOf(checks);
}

void printFigures(const char* what, const Figures& f, const char* note) {
    std::printf("  %-44s %8.1f us (best %8.1f, worst %8.1f)  %s\n", what, f.median, f.best, f.worst, note);
}

void printFrames(const char* what, const FrameFigures& f) {
    std::printf("  %-44s %.1f frames of %6.1f us (best %6.1f, 95%% within %6.1f, worst %8.1f);\n", what,
                f.framesPerCheck, f.frame.median, f.frame.best, f.frame.percentile95, f.frame.worst);
    std::printf("  %-44s the costliest by its place %6.1f us; the longest of each %6.1f us (best %6.1f)\n", "",
                f.costliestPlace, f.longest.median, f.longest.best);
}

void benchFile(const char* label, const std::string& text, int repeats) {
    // The same file with one value changed, so that every check parses anew.
    std::string other = text;
    size_t value = other.find("first_wait_time=") + 16;
    other[value] = other[value] == '9' ? '8' : '9';

    writeOrExit(text);
    FrameFigures first = frameFiguresOf(measureFirstFrames(20));
    Figures unchanged = measure(repeats, ourFrame);
    unsigned long long allocationsBefore = allocationCount;
    for (int i = 0; i < 100; ++i) ourFrame();
    double unchangedAllocations = static_cast<double>(allocationCount - allocationsBefore) / 100;

    // The allocations of the frames themselves, not of the bench's lists of times.
    unsigned long long frameAllocations = 0;
    auto checkFrame = [&frameAllocations] {
        unsigned long long before = allocationCount;
        bool read = ourFrame() != SettingsRead::Parsing;
        frameAllocations += allocationCount - before;
        return read;
    };
    for (int i = 0; i < 2; ++i) {  // grows the kept storage of both reads
        writeOrExit(i % 2 ? text : other);
        framesUntilRead(checkFrame);
    }
    std::vector<std::vector<double>> saves;
    frameAllocations = 0;
    for (int i = 0; i < repeats; ++i) {
        writeOrExit(i % 2 ? text : other);
        // The check comes up to a second after the save; right after writing
        // 800 KB the system is still busy with the file, which would stall a
        // frame that no player's save stalls.
        Sleep(100);
        saves.push_back(framesUntilRead(checkFrame));
    }
    double saveAllocations = static_cast<double>(frameAllocations) / repeats;
    FrameFigures saved = frameFiguresOf(saves);

    // Our own write of the stored skin, a step per frame of the game's (16 ms)
    // until it ends: the replace runs on our thread meanwhile, which the
    // script's start makes in a frame of its own (once a process).
    writeOrExit(text);
    ageSettingsFile();
    Sleep(100);  // as for the saves above: no write of ours follows a save so closely
    ourFrame();
    const double threadStart = now();
    const bool threadMade = keepBackgroundThread();
    const double threadMaking = now() - threadStart;
    int model = 0;
    std::vector<std::vector<double>> writes;
    for (int i = 0; i < repeats / 10; ++i) {
        startWritingStoredSkin(static_cast<uint32_t>(++model), nullptr);
        writes.push_back(framesUntilRead(
            [] {
                stepSettingsWrite();
                return !settingsWriteRunning();
            },
            16));
    }
    FrameFigures written = frameFiguresOf(writes);

    writeOrExit(text);
    Figures uncached = measure(repeats, uncachedWin32Check);
    Figures cached = measure(repeats, perKeyWin32Check);
    std::printf("%s (%zu bytes), %d checks each (20 starts):\n", label, text.size(), repeats);
    printFrames("ours, a game's first frames (fresh process):", first);
    char note[96];
    std::snprintf(note, sizeof note, "%.2f heap allocations per check", unchangedAllocations);
    printFigures("ours, file unchanged (one open, no parse):", unchanged, note);
    printFrames("ours, after the player saved the file:", saved);
    std::printf("  %-44s %.2f heap allocations per save\n", "", saveAllocations);
    printFrames("ours, writing the stored skin back:", written);
    if (threadMade) std::printf("  %-44s %.1f us, the script's start making our thread for it\n", "", threadMaking);
    std::snprintf(note, sizeof note, "%.0fx our check of an unchanged file", uncached.median / unchanged.median);
    printFigures("per-key Win32, uncached:", uncached, note);
    std::snprintf(note, sizeof note, "%.0fx our check of an unchanged file", cached.median / unchanged.median);
    printFigures("per-key Win32, cached:", cached, note);
}

}  // namespace

// Wide arguments and paths throughout: a folder of any name works.
int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"--first-frames") == 0) {
        // The game has long been running when the script starts: the fresh
        // process settles first (its memory stays fresh).
        Sleep(500);
        for (double time : startFrames()) std::printf("%.1f ", time);
        std::printf("\n");
        return 0;
    }
    if (argc != 2) {
        std::printf("usage: settings_bench <shipped Pelorin.ini>\n");
        return 2;
    }
    FILE* in = _wfopen(argv[1], L"rb");
    if (!in) {
        std::printf("cannot read %ls\n", argv[1]);
        return 2;
    }
    std::string shipped;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) shipped.append(chunk, n);
    std::fclose(in);

    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    std::wstring game = std::wstring(directory) + L"pelorin_bench_" + std::to_wstring(GetCurrentProcessId());
    if (!CreateDirectoryW(game.c_str(), nullptr) || !SetCurrentDirectoryW(game.c_str())) return 2;

    std::string points = withTenThousandCustomPoints(shipped);
    std::printf("the settings check of the plug-in under Wine, frame by frame (simulated game not involved);\n");
    std::printf("a frame's budget: 2000 us\n");
    std::printf("the machine itself, 100 times 18 frames of arithmetic:\n");
    printFrames("(not ours: a control)", controlFrames());
    benchFile("shipped Pelorin.ini", shipped, 200);
    benchFile("Pelorin.ini with 10,000 custom points", points, 100);

    DeleteFileW(widePath);
    SetCurrentDirectoryW(directory);
    RemoveDirectoryW(game.c_str());
    return 0;
}
