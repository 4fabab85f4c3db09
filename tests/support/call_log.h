#pragma once
// Reading the simulated game's call log in tests.
#include <cstdint>
#include <cstring>
#include <functional>
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

// Watches the log for the first call of a native that passes a test, reading
// only the calls logged since its last look: runUntil predicates run every
// frame, and re-reading the whole growing log each time would be quadratic.
class CallWatch {
public:
    explicit CallWatch(uint64_t hash, std::function<bool(const sim::CallRecord&)> accept = nullptr)
        : hash_(hash), accept_(std::move(accept)) {}
    // The first matching call's tick; false while there is none.
    bool seen(const sim::World& w, uint32_t* tick = nullptr) {
        for (; !found_ && next_ < w.calls.size(); ++next_) {
            const sim::CallRecord& call = w.calls[next_];
            if (call.hash == hash_ && (!accept_ || accept_(call))) {
                found_ = true;
                tick_ = call.tick;
            }
        }
        if (found_ && tick) *tick = tick_;
        return found_;
    }

private:
    uint64_t hash_;
    std::function<bool(const sim::CallRecord&)> accept_;
    size_t next_ = 0;
    bool found_ = false;
    uint32_t tick_ = 0;
};

inline float floatArgument(const sim::CallRecord& call, size_t i) {
    uint32_t bits = static_cast<uint32_t>(call.args.at(i));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace testing_support
