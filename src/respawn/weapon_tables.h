#pragma once
// The weapons given by the all-weapons option and the components offered to each.
#include <cstdint>

constexpr int weaponHashCount = 88;
constexpr int weaponComponentHashCount = 75;
extern const uint32_t weaponHashes[weaponHashCount];
extern const uint32_t weaponComponentHashes[weaponComponentHashCount];
