#pragma once
// The game's names for what a 32-bit argument or result stands for: a
// player's index, a ped's, a vehicle's or any entity's handle, a name hash.
// They are plain integers to the compiler; the wrappers in natives/ spell them
// as the game's reference types its natives, and a test holds each wrapper to
// that reference.
#include <cstdint>

namespace game {

using Player = uint32_t;
using Ped = uint32_t;
using Vehicle = uint32_t;
using Entity = uint32_t;
using Hash = uint32_t;

}  // namespace game
