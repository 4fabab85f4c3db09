#include <gtest/gtest.h>
#include <cstdio>
#include "sim/game_events.h"
#include "sim/script_host.h"
#include "sim/joaat.h"
#include "tests/support/plugin_state.h"

TEST(RespawnStoryDebug, Timeline) {
    sim::World& w = testing_support::loadPlugin();
    testing_support::writeSettingsFile(testing_support::builtInSettingsText());
    sim::startScript();
    sim::runFor(2000);
    sim::killPlayer(w);
    uint32_t t0 = w.tick();
    size_t calls = w.calls.size();
    sim::runFor(20000);
    std::map<uint64_t,int> seen;
    for (size_t i = calls; i < w.calls.size(); ++i) {
        auto& c = w.calls[i];
        if (c.hash == 0xD80958FC74E988A6ull || c.hash == 0x4F8644AF03D0E0D6ull || c.hash==0xD24D37CC275948CCull) continue;
        if (seen[c.hash]++ > 3 && c.hash != 0x891B5B39AC6302AFull && c.hash != 0xD4E8E24955024033ull) continue;
        std::printf("%6d %016llx", (int)(c.tick - t0), (unsigned long long)c.hash);
        for (auto a : c.args) std::printf(" %llx", (unsigned long long)a);
        std::printf("\n");
    }
    auto p = w.player()->position;
    std::printf("player %f %f %f\n", p.x, p.y, p.z);
}
