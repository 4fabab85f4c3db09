// The once-a-second check (runSettingsReread) and readSettings with the shipped
// settings file and with one of 10,000 custom points: time, file opens and
// reads, and heap allocations per call, beside reading the file afresh for
// each key of the record.
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/custom_points_text.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "settings_io/settings_store.h"
#include "tests/support/plugin_state.h"
#include "sim/soak_memory.h"

namespace {

using Clock = std::chrono::steady_clock;

// Opens and reads of the settings file, counted from the kernel's file events
// (closes are watched too, so that no two queued events are alike and merged).
struct FileEvents {
    int fd = -1;
    long opens = 0;
    long reads = 0;

    explicit FileEvents(const std::string& path) {
        fd = inotify_init1(IN_NONBLOCK);
        if (fd >= 0 && inotify_add_watch(fd, path.c_str(), IN_OPEN | IN_ACCESS | IN_CLOSE) < 0) {
            close(fd);
            fd = -1;
        }
    }
    ~FileEvents() {
        if (fd >= 0) close(fd);
    }
    void drain() {
        alignas(inotify_event) char buffer[4096];
        ssize_t n;
        while (fd >= 0 && (n = read(fd, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + n;) {
                const inotify_event* event = reinterpret_cast<const inotify_event*>(p);
                opens += (event->mask & IN_OPEN) != 0;
                reads += (event->mask & IN_ACCESS) != 0;
                p += sizeof(inotify_event) + event->len;
            }
        }
    }
};

// The reading this replaces: the file read and parsed afresh for every key.
void readEveryKeyFromTheFile(ProfileSection* section, std::string* text) {
    for (const SettingKey& key : settingKeys) {
        if (!key.inRecord) continue;
        if (!readSettingsSection(section, text)) return;
        profileInt(*section, key.name, 0xFFFFFFFFu);
    }
}

template <typename Step>
void measure(const char* label, const std::string& path, int repeats, Step step) {
    FileEvents events(path);
    step();
    events.drain();
    long opens = events.opens;
    long reads = events.reads;
    uint64_t allocationsBefore = sim::soak::allocationCount();
    Clock::time_point start = Clock::now();
    for (int i = 0; i < repeats; ++i) step();
    double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / repeats;
    double allocations = static_cast<double>(sim::soak::allocationCount() - allocationsBefore) / repeats;
    events.drain();
    if (events.fd < 0) {
        std::printf("  %-40s %9.2f us per call, %.2f allocations (file events not available)\n", label, micros,
                    allocations);
    } else {
        std::printf("  %-40s %9.2f us per call, %ld opens, %ld reads, %.2f allocations per call\n", label, micros,
                    opens, reads, allocations);
    }
}

// The check's reads after the player saved the file (one value changed)
// before every check, frame by frame until the save is read, so that every
// check parses the text and checks it for the log: the frames per save, the
// median and longest frame, and heap allocations per save once warm.
void measureAfterSaves(const std::string& text, int repeats) {
    std::string other = text;
    size_t value = other.find("first_wait_time=") + 16;
    other[value] = other[value] == '9' ? '8' : '9';
    std::vector<double> times;
    times.reserve(static_cast<size_t>(repeats) * 64);
    uint64_t allocations = 0;
    for (int i = -2; i < repeats; ++i) {  // two saves to warm up: the kept storage grows to the file's size
        testing_support::writeSettingsFile(i % 2 ? text : other);
        for (SettingsRead read = SettingsRead::Parsing; read == SettingsRead::Parsing;) {
            uint64_t allocationsBefore = sim::soak::allocationCount();
            Clock::time_point start = Clock::now();
            read = readSettingsForFrame();
            double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
            if (i < 0) continue;
            allocations += sim::soak::allocationCount() - allocationsBefore;
            times.push_back(micros);
        }
    }
    size_t frames = times.size();
    std::sort(times.begin(), times.end());
    std::printf("  %-40s %.1f frames of %.2f us (longest %.2f), %.2f allocations per save\n",
                "the check's reads after a save", static_cast<double>(frames) / repeats, times[frames / 2],
                times.back(), static_cast<double>(allocations) / repeats);
}

void benchSettingsFile(const char* label, const std::string& text, int repeats) {
    testing_support::loadPlugin().logCalls = false;
    testing_support::writeSettingsFile(text);
    std::string path = testing_support::gameDirectory() + "/Pelorin.ini";
    std::printf("%s (%zu bytes):\n", label, text.size());
    captureStartState();
    readSettings();  // the file read whole: the kept storage grows to its size
    runSettingsReread();
    measure("runSettingsReread (file unchanged)", path, repeats, [] { runSettingsReread(); });
    measure("readSettings", path, repeats, [] { readSettings(); });
    measureAfterSaves(text, repeats / 20);
    ProfileSection section;
    std::string text2;
    measure("each key, file read and parsed per key", path, repeats / 38 + 1,
            [&section, &text2] { readEveryKeyFromTheFile(&section, &text2); });
}

}  // namespace

void benchSettingsRead() {
    std::string shipped = testing_support::shippedSettingsText();
    benchSettingsFile("dist/Pelorin.ini", shipped, 20000);
    std::string points = withTenThousandCustomPoints(shipped);
    benchSettingsFile("Pelorin.ini with 10,000 custom points", points, 500);
}
