#pragma once
// The soak: seeded random episodes of play in the simulated game, each a fresh
// game with its own settings file and story, checked every frame against the
// players' invariants. Deterministic: an episode is fixed by the seed and its
// number, so any one replays alone.
#include <cstdint>

namespace sim::soak {

struct SoakOptions {
    uint64_t seed = 1;
    long episodes = 1000;
    long firstEpisode = 0;
    bool verbose = false;     // print every episode's story
};

// Runs the episodes and prints the figures; 0 when no invariant was broken.
int runSoak(const SoakOptions& options);

}  // namespace sim::soak
