#pragma once
// The simulated game's weapon data: which weapon hashes it knows and which
// components each weapon takes (answered by sim/natives_ped.cpp).
#include <cstdint>

namespace sim {

extern const uint32_t unknownWeaponHashes[3];
bool isKnownWeapon(uint32_t weapon);
bool weaponTakesComponent(uint32_t weapon, uint32_t component);

}  // namespace sim
