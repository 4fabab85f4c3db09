// chooseSpawn per spawn mode, and the custom spawn's reading of its points
// beside reading every coordinate key from the file on its own.
#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "host/natives/player_natives.h"
#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "settings_io/settings_store.h"
#include "sim/world.h"
#include "spawn/custom_spawn.h"
#include "spawn/ground_spawn.h"
#include "spawn/spawn_mode.h"
#include "tests/support/plugin_state.h"

namespace {

using Clock = std::chrono::steady_clock;

double microsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Counts the times the settings file is opened, through the kernel's file
// events. Closes are watched too, so that no two queued events are alike (the
// kernel merges an event into an identical one still unread).
struct OpenCounter {
    int fd = -1;
    long opens = 0;

    void start(const std::string& path) {
        fd = inotify_init1(IN_NONBLOCK);
        if (fd >= 0 && inotify_add_watch(fd, path.c_str(), IN_OPEN | IN_CLOSE) < 0) {
            close(fd);
            fd = -1;
        }
    }
    // Takes the events queued so far; call often enough that the queue cannot overflow.
    void drain() {
        alignas(inotify_event) char buffer[4096];
        ssize_t n;
        while (fd >= 0 && (n = read(fd, buffer, sizeof buffer)) > 0)
            for (char* p = buffer; p < buffer + n;
                 p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len)
                if (reinterpret_cast<inotify_event*>(p)->mask & IN_OPEN) ++opens;
    }
    void stop() {
        drain();
        if (fd >= 0) close(fd);
        fd = -1;
    }
};

std::string settingsPath() { return testing_support::gameDirectory() + "/Pelorin.ini"; }

// A game whose settings file lists the given number of custom points, with the
// record read from it.
sim::World& gameWithCustomPoints(int32_t count) {
    sim::World& w = testing_support::loadPlugin();
    w.logCalls = false;
    std::string points;
    for (int32_t k = 1; k <= count; ++k) {
        char lines[160];
        std::snprintf(lines, sizeof lines, "custom_spawn_%d_x=%d.5\ncustom_spawn_%d_y=%d.25\ncustom_spawn_%d_z=300\n",
                      k, k % 3000, k, k % 5000, k);
        points += lines;
    }
    testing_support::writeSettingsFile(testing_support::builtInSettingsText(points));
    readSettings();
    settings.number_of_custom_spawn_points_in_use = count;
    playerState.playerPed = playerPedId();
    return w;
}

void setOnlyChance(SpawnMode mode) {
    int32_t* chances[] = {
        &settings.on_point_from_list_player_spawn_chance,
        &settings.in_vehicle_on_road_player_spawn_chance,
        &settings.in_air_player_spawn_chance,
        &settings.at_death_point_spawn_chance,
        &settings.random_point_on_map_spawn_chance,
        &settings.custom_spawn_chance,
    };
    for (int32_t* chance : chances) *chance = 0;
    *chances[static_cast<int>(mode)] = 100;
}

}  // namespace

void benchChooseSpawn() {
    const struct {
        SpawnMode mode;
        const char* name;
        int repeats;
    } modes[] = {
        {SpawnMode::OnPointFromList, "list point", 2000},        {SpawnMode::InVehicleOnRoad, "vehicle on road", 200},
        {SpawnMode::InAir, "aircraft in the air", 200},          {SpawnMode::AtDeathPoint, "death point", 2000},
        {SpawnMode::RandomPointOnMap, "random map point", 2000}, {SpawnMode::CustomPoint, "custom point (n=10)", 500},
    };
    std::printf("chooseSpawn per mode (close-point chance 100, simulated game):\n");
    for (const auto& m : modes) {
        sim::World& w = gameWithCustomPoints(10);
        setOnlyChance(m.mode);
        playerState.lastPlayerPosition = Vector3{-50.0f, -1110.0f, 26.4f};
        uint64_t callsBefore = w.nativeCallCount;
        uint32_t tickBefore = w.tick();
        Clock::time_point start = Clock::now();
        for (int i = 0; i < m.repeats; ++i) chooseSpawn();
        double micros = microsSince(start) / m.repeats;
        double calls = static_cast<double>(w.nativeCallCount - callsBefore) / m.repeats;
        double gameMillis = static_cast<double>(w.tick() - tickBefore) / m.repeats;
        std::printf("  %-22s %9.1f us per call, %6.1f native calls per call, %6.1f ms of game time waited\n", m.name,
                    micros, calls, gameMillis);
    }
    std::printf("  (vehicle modes: the time includes the simulated frames run while the model loads)\n");
}

void benchCustomSpawn() {
    std::printf("custom spawn: points read once per spawn vs. every key read from the file on its own:\n");
    for (int32_t count : {1, 100, 10000}) {
        sim::World& w = gameWithCustomPoints(count);
        const int repeats = count == 10000 ? 5 : count == 100 ? 200 : 2000;
        OpenCounter counter;
        counter.start(settingsPath());
        uint64_t callsBefore = w.nativeCallCount;
        Clock::time_point start = Clock::now();
        for (int i = 0; i < repeats; ++i) spawnAtCustomPoint();
        double micros = microsSince(start) / repeats;
        double calls = static_cast<double>(w.nativeCallCount - callsBefore) / repeats;
        counter.stop();
        std::printf("  n=%-6d one read: %12.3f ms per spawn, %7.1f file reads per spawn, %.1f native calls\n",
                    static_cast<int>(count), micros / 1000.0, static_cast<double>(counter.opens) / repeats, calls);

        // The replaced way: readFloatSetting for each of the 3 x n keys, each a
        // fresh read and parse of the file. Too slow to run in full for large n:
        // a sample of keys is timed and scaled to 3 x n.
        const int32_t keys = 3 * count;
        const int32_t sampled = keys <= 300 ? keys : 150;
        counter = OpenCounter{};
        counter.start(settingsPath());
        start = Clock::now();
        const char axes[3] = {'x', 'y', 'z'};
        for (int32_t i = 0; i < sampled; ++i) {
            char key[40];
            std::snprintf(key, sizeof key, "custom_spawn_%d_%c", static_cast<int>(i / 3 + 1), axes[i % 3]);
            readFloatSetting(key);
            if (i % 1000 == 999) counter.drain();
        }
        double perKey = microsSince(start) / sampled;
        counter.stop();
        std::printf("  n=%-6d per key:  %12.3f ms per spawn, %7.1f file reads per spawn (%ld opens for %d keys)%s\n",
                    static_cast<int>(count), perKey * keys / 1000.0,
                    static_cast<double>(counter.opens) * keys / sampled, counter.opens, static_cast<int>(sampled),
                    sampled < keys ? ", scaled from that sample" : "");
    }
}
