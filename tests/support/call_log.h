#pragma once
// Reading the simulated game's call log in tests.
#include <cstdint>
#include <cstring>
#include <vector>

#include "sim/world.h"

namespace testing_support {

// The calls of one native, in call order, from the given log position on.
inline std::vector<sim::CallRecord> callsOf(const sim::World& w, uint64_t hash, size_t from = 0) {
    std::vector<sim::CallRecord> found;
    for (size_t i = from; i < w.calls.size(); ++i)
        if (w.calls[i].hash == hash) found.push_back(w.calls[i]);
    return found;
}

// The position in the log of the first call of a native from the given position on; -1 when none.
inline long firstCallIndex(const sim::World& w, uint64_t hash, size_t from = 0) {
    for (size_t i = from; i < w.calls.size(); ++i)
        if (w.calls[i].hash == hash) return static_cast<long>(i);
    return -1;
}

inline float floatArgument(const sim::CallRecord& call, size_t i) {
    uint32_t bits = static_cast<uint32_t>(call.args.at(i));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace testing_support
