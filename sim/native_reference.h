#pragma once
// The natives as the game reads them (sim/data/natives.def, regenerated from
// public reference data by scripts/regenerate_game_facts.py): for each native
// its name and the kinds of the argument slots it reads, in order.
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// What an argument slot carries: an integer (also booleans, blips and
// cameras), a player's index, a ped's, a vehicle's or any entity's handle, a
// name hash (these five travel as integers too), a float's bit pattern, the
// address of a text, or the address of a variable the native reads or writes.
enum class ArgumentKind { Integer, Player, Ped, Vehicle, Entity, Hash, Float, Text, Address };

// True for the kinds that travel as a 32-bit integer.
bool travelsAsInteger(ArgumentKind kind);

struct NativeDeclaration {
    uint64_t hash;
    std::string name;
    std::vector<ArgumentKind> arguments;
    std::vector<std::string> argumentNames;
    ArgumentKind result;  // Integer also for void, BOOL and a vector
};

// The declaration of a native, or nullptr when the reference data holds none.
const NativeDeclaration* findNativeDeclaration(uint64_t hash);
// The kind of a parameter or result type as the reference writes it ("float",
// "BOOL", "Ped", "const char*", "Vehicle*").
ArgumentKind argumentKindOf(const std::string& referenceType);
const char* argumentKindName(ArgumentKind kind);

}  // namespace sim
