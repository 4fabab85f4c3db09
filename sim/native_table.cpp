#include "sim/native_table.h"

#include <cstdio>
#include <cstdlib>

namespace sim {

const NativeTable& nativeTable() {
    static const NativeTable table = [] {
        NativeTable t;
        registerCoreNatives(t);
        registerScreenNatives(t);
        registerHudNatives(t);
        registerMapNatives(t);
        registerWorldNatives(t);
        registerVehicleNatives(t);
        registerPedNatives(t);
        registerTaskNatives(t);
        return t;
    }();
    return table;
}

namespace {
bool answering = false;
}

bool answeringNative() { return answering; }

void dispatchNative(World& world, uint64_t hash, const std::vector<uint64_t>& args, uint64_t* result) {
    struct Answering {
        Answering() { answering = true; }
        ~Answering() { answering = false; }
    } whileAnswering;
    const NativeTable& table = nativeTable();
    auto it = table.find(hash);
    if (it == table.end()) {
        std::fprintf(stderr, "simulated game: native 0x%016llX is not modelled\n",
                     static_cast<unsigned long long>(hash));
        std::abort();
    }
    ++world.nativeCallCount;
    if (world.logCalls) world.calls.push_back(CallRecord{world.tick(), hash, args});
    result[0] = result[1] = result[2] = result[3] = 0;
    it->second.handler(NativeCall{world, args, result});
}

}  // namespace sim
