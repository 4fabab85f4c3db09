#pragma once
// Natives of the simulated game, answered by hash. Each rule file registers
// the natives of what it models, each declared in the game's reference data
// (sim/native_reference.h). A hash nobody answers, a call that pushes another
// number of arguments than the game reads, a call that passes a handle of
// another kind in a typed slot (a ped's handle for a Player, a vehicle's for a
// Ped, ...) and a rule that reads an argument as another kind than the game
// declares all fail loudly.
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "sim/native_reference.h"
#include "sim/world.h"

namespace sim {

// One call in progress: its arguments as pushed (as many as the native
// reads), and its result slots.
struct NativeCall {
    World& world;
    const NativeDeclaration& declaration;
    const std::vector<uint64_t>& args;
    uint64_t* result;  // at least four 8-byte slots

    uint32_t u32(size_t i) const { return static_cast<uint32_t>(slot(i, ArgumentKind::Integer)); }
    // A typed slot, read only where the game declares that type.
    uint32_t player(size_t i) const { return static_cast<uint32_t>(slot(i, ArgumentKind::Player)); }
    uint32_t ped(size_t i) const { return static_cast<uint32_t>(slot(i, ArgumentKind::Ped)); }
    uint32_t vehicle(size_t i) const { return static_cast<uint32_t>(slot(i, ArgumentKind::Vehicle)); }
    uint32_t entity(size_t i) const { return static_cast<uint32_t>(slot(i, ArgumentKind::Entity)); }
    uint32_t hash(size_t i) const { return static_cast<uint32_t>(slot(i, ArgumentKind::Hash)); }
    int32_t i32(size_t i) const { return static_cast<int32_t>(u32(i)); }
    bool flag(size_t i) const { return u32(i) != 0; }
    float f32(size_t i) const {
        uint32_t bits = static_cast<uint32_t>(slot(i, ArgumentKind::Float));
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    const char* text(size_t i) const {
        return reinterpret_cast<const char*>(static_cast<uintptr_t>(slot(i, ArgumentKind::Text)));
    }
    template <class T>
    T* pointer(size_t i) const {
        return reinterpret_cast<T*>(static_cast<uintptr_t>(slot(i, ArgumentKind::Address)));
    }
    // Argument i read as the given kind; aborts when the game declares another.
    uint64_t slot(size_t i, ArgumentKind kind) const;

    void returnU32(uint32_t value) const { result[0] = value; }
    void returnBool(bool value) const { result[0] = value ? 1 : 0; }
    void returnFloat(float value) const {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        result[0] = bits;
    }
    void returnVector(Vec3 value) const {
        returnFloat(value.x);
        result[1] = 0;
        std::memcpy(&result[1], &value.y, sizeof value.y);
        result[2] = 0;
        std::memcpy(&result[2], &value.z, sizeof value.z);
    }
    // Writes a vector into an out-parameter of the host layout (24 bytes).
    static void writeVector(void* address, Vec3 value) {
        uint64_t slots[3] = {0, 0, 0};
        std::memcpy(&slots[0], &value.x, 4);
        std::memcpy(&slots[1], &value.y, 4);
        std::memcpy(&slots[2], &value.z, 4);
        std::memcpy(address, slots, sizeof slots);
    }
};

using NativeHandler = void (*)(const NativeCall&);

struct NativeEntry {
    const char* name;
    NativeHandler handler;
    const NativeDeclaration* declaration = nullptr;  // filled in from the reference data
};

using NativeTable = std::unordered_map<uint64_t, NativeEntry>;

// The complete table, built once from every rule file; aborts when a rule
// answers a native that the reference data does not declare.
const NativeTable& nativeTable();
// Answers one call; aborts with a message for a hash that is not modelled, a
// call that pushes another number of arguments than the native reads, or a
// typed slot given a handle of another kind (World::refuseHandlesOfWrongKind).
void dispatchNative(World& world, uint64_t hash, const std::vector<uint64_t>& args, uint64_t* result);

// True while the simulated game answers a call: what it allocates then is the
// game's, not the caller's (the game's own memory is not the plug-in's heap).
bool answeringNative();

// Registration, one function per rule file.
void registerCoreNatives(NativeTable& table);       // player, entities, hashes, random, models
void registerScreenNatives(NativeTable& table);     // fades, camera, effects, time scale, loading screens, rectangles
void registerHudNatives(NativeTable& table);        // feed, screen text, sounds, controls
void registerScaleformNatives(NativeTable& table);  // scaleform movies and the instructional buttons' glyphs
void registerMapNatives(NativeTable& table);        // blips and the waypoint
void registerWorldNatives(NativeTable& table);      // ground, scene, roads, placement
void registerVehicleNatives(NativeTable& table);    // vehicles and their modifications
void registerPedNatives(NativeTable& table);        // weapons, armour, stats, clothing, collision, mission flag
void registerTaskNatives(NativeTable& table);       // tasks: clearing them, driving around

}  // namespace sim
