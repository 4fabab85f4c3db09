#pragma once
// One soak episode's story: the world it starts in (the tick count, where the
// player stands and in which skin, the game's faults) and the events that
// happen in it (deaths, arrests, chords, loading screens, missions, other
// scripts' fades, a vanishing ped, an arrest called off, the game bringing the
// player back in his own skin), drawn from the episode's generator.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "sim/world.h"

namespace sim::soak {

struct Story {
    std::string description;   // what was drawn, for the report of a violation
    uint32_t lengthMs = 0;     // the last event happens this long after the start
    std::vector<uint32_t> asksAt;  // when the player asks for a skin change (his chords), after the start
};

// Sets up the fresh world and schedules the events; the script has not started.
Story setUpStory(World& world, std::mt19937_64& random);

}  // namespace sim::soak
