#pragma once
// The simulated game's weapon data (sim/data/weapons.def, from the game's
// data): which weapon hashes it knows and which components each weapon takes
// (answered by sim/natives_ped.cpp).
#include <cstdint>
#include <map>
#include <set>

namespace sim {

// Every weapon of the game by name hash, with the hashes of the components that fit it.
const std::map<uint32_t, std::set<uint32_t>>& gameWeapons();
bool isKnownWeapon(uint32_t weapon);
bool weaponTakesComponent(uint32_t weapon, uint32_t component);

}  // namespace sim
