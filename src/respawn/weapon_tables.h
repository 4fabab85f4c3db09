#pragma once
// The weapons given by the all-weapons option and the components offered to each.
#include <cstdint>

constexpr int weaponHashCount = 88;
constexpr int weaponComponentHashCount = 75;
extern const uint32_t weaponHashes[weaponHashCount];
extern const uint32_t weaponComponentHashes[weaponComponentHashCount];

// The one weapon that only ever receives these two components of the table,
// whatever else it would take.
constexpr uint32_t restrictedComponentWeapon = 0x83BF0278;
constexpr uint32_t restrictedWeaponComponents[2] = {0x91109691, 0xD89B9658};
