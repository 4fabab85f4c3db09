#pragma once
// The keys of the custom spawn points, "custom_spawn_<n>_x", "_y" and "_z":
// the one way the plug-in and the checker write them and the one way they
// take them apart. The reader finds a key by its exact name (letter case
// aside) and only ever asks for "custom_spawn_5_x", so a number written with
// a leading zero ("custom_spawn_05_x") names no point.
#include <cstddef>
#include <cstdint>
#include <string_view>

// The longest key formatCustomSpawnKey writes, with its terminating zero.
constexpr size_t customSpawnKeySize = 32;

struct CustomSpawnKeyParts {
    std::string_view digits;  // the number as written
    int axis;                 // 0, 1, 2 for x, y, z
    bool leadingZero;         // a number such as "05", never read
};

// Splits a key of the form "custom_spawn_<digits>_<x|y|z>", letter case
// ignored as the reader ignores it; false for any other key.
bool splitCustomSpawnKey(std::string_view key, CustomSpawnKeyParts* parts);
// The point a key is read as: 1 to customSpawnPointCap; 0 for any other key,
// a number with a leading zero, and one beyond the cap, none of which a
// custom spawn ever reads.
int32_t customSpawnKeyPoint(std::string_view key);
// "custom_spawn_<number>_<axis>" into key (axis 0, 1, 2 for x, y, z); its length.
size_t formatCustomSpawnKey(int32_t number, int axis, char* key, size_t size);
