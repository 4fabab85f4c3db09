#include "sim/native_reference.h"

#include <unordered_map>

namespace sim {
namespace {

// Splits "Entity entity, BOOL p1" into its parameters' kinds and names.
NativeDeclaration declare(uint64_t hash, const char* name, const char* result, const std::string& parameters) {
    NativeDeclaration declaration{hash, name, {}, {}, argumentKindOf(result)};
    size_t start = 0;
    while (start < parameters.size()) {
        size_t end = parameters.find(", ", start);
        if (end == std::string::npos) end = parameters.size();
        std::string parameter = parameters.substr(start, end - start);
        size_t space = parameter.rfind(' ');
        declaration.arguments.push_back(argumentKindOf(parameter.substr(0, space)));
        declaration.argumentNames.push_back(parameter.substr(space + 1));
        start = end + 2;
    }
    return declaration;
}

}  // namespace

const NativeDeclaration* findNativeDeclaration(uint64_t hash) {
    static const std::unordered_map<uint64_t, NativeDeclaration> declarations = [] {
        std::unordered_map<uint64_t, NativeDeclaration> table;
#define GAME_NATIVE(hash, name, result, parameters) table.emplace(hash, declare(hash, name, result, parameters));
#include "sim/data/natives.def"
#undef GAME_NATIVE
        return table;
    }();
    auto it = declarations.find(hash);
    return it == declarations.end() ? nullptr : &it->second;
}

bool travelsAsInteger(ArgumentKind kind) {
    return kind != ArgumentKind::Float && kind != ArgumentKind::Text && kind != ArgumentKind::Address;
}

ArgumentKind argumentKindOf(const std::string& referenceType) {
    if (referenceType == "Player") return ArgumentKind::Player;
    if (referenceType == "Ped") return ArgumentKind::Ped;
    if (referenceType == "Vehicle") return ArgumentKind::Vehicle;
    if (referenceType == "Entity") return ArgumentKind::Entity;
    if (referenceType == "Hash") return ArgumentKind::Hash;
    if (referenceType == "float") return ArgumentKind::Float;
    if (referenceType == "const char*" || referenceType == "char*") return ArgumentKind::Text;
    if (!referenceType.empty() && referenceType.back() == '*') return ArgumentKind::Address;
    return ArgumentKind::Integer;
}

const char* argumentKindName(ArgumentKind kind) {
    switch (kind) {
        case ArgumentKind::Integer:
            return "integer";
        case ArgumentKind::Player:
            return "Player";
        case ArgumentKind::Ped:
            return "Ped";
        case ArgumentKind::Vehicle:
            return "Vehicle";
        case ArgumentKind::Entity:
            return "Entity";
        case ArgumentKind::Hash:
            return "Hash";
        case ArgumentKind::Float:
            return "float";
        case ArgumentKind::Text:
            return "text";
        case ArgumentKind::Address:
            return "address";
    }
    return "?";
}

}  // namespace sim
