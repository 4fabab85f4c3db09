// readSettings, the stored skin and the custom spawn points over arbitrary
// settings files, through the real file and the simulated game: nothing may
// crash, and no coordinate or float setting may be infinite or NaN.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings_io/settings_store.h"
#include "sim/world.h"
#include "spawn/custom_spawn.h"
#include "tests/support/plugin_state.h"

namespace {

sim::World* world = nullptr;

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "settings file: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (world == nullptr) {
        world = &testing_support::loadPlugin();
        world->logCalls = false;
    }
    testing_support::writeSettingsFile(std::string(reinterpret_cast<const char*>(data), size));
    // An empty file is an editor's save under way: it is not read, the values stay.
    check(readSettings() == (size != 0), "an existing file reads unless it is empty");
    check(std::isfinite(settings.slow_motion_at_wasted_and_busted_screens), "slow motion finite");
    check(std::isfinite(settings.first_wait_time), "first wait finite");
    readStoredSkin();
    check(std::isfinite(readFloatSetting("custom_spawn_1_x")), "float setting finite");
    // A few dozen points keep the runs fast; the cap of the count is tested elsewhere.
    if (settings.number_of_custom_spawn_points_in_use > 40) settings.number_of_custom_spawn_points_in_use = 40;
    CustomSpawnPoint point = readCustomSpawnPoints();
    check(std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z), "custom point finite");
    world->notifications.clear();
    return 0;
}
