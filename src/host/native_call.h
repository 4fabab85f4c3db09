#pragma once
// One generic invoke over nativeInit / nativePush64 / nativeCall with the
// host's argument encoding: integers, handles, hashes and booleans travel as
// 32-bit values in the low half of a 64-bit slot (high half zero, so -1 is
// 0x00000000FFFFFFFF); floats as their IEEE-754 bit pattern; strings and
// out-parameters as addresses. Results are read from the returned slots
// before the next native call.
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "host/host_abi.h"

// A position as the host hands it over: three floats, each in an 8-byte slot.
struct Vector3 {
    alignas(8) float x;
    alignas(8) float y;
    alignas(8) float z;
};
static_assert(sizeof(Vector3) == 24, "host vectors are three 8-byte slots");

namespace native {

inline uint64_t encode(bool value) { return value ? 1u : 0u; }
inline uint64_t encode(int32_t value) { return static_cast<uint32_t>(value); }
inline uint64_t encode(uint32_t value) { return value; }
inline uint64_t encode(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
inline uint64_t encode(const char* text) { return reinterpret_cast<uintptr_t>(text); }
template <class T>
inline uint64_t encode(T* address) {
    return reinterpret_cast<uintptr_t>(address);
}

template <class... Args>
inline const uint64_t* invoke(uint64_t hash, Args... args) {
    host::nativeInit(hash);
    (host::nativePush64(encode(args)), ...);
    return host::nativeCall();
}

inline uint32_t resultU32(const uint64_t* slots) {
    uint32_t value;
    std::memcpy(&value, slots, sizeof value);
    return value;
}
inline int32_t resultI32(const uint64_t* slots) { return static_cast<int32_t>(resultU32(slots)); }
inline bool resultBool(const uint64_t* slots) { return resultU32(slots) != 0; }
inline float resultFloat(const uint64_t* slots) {
    float value;
    std::memcpy(&value, slots, sizeof value);
    return value;
}
inline Vector3 resultVector(const uint64_t* slots) {
    Vector3 value;
    std::memcpy(&value, slots, sizeof value);
    return value;
}

}  // namespace native
