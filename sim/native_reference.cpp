#include "sim/native_reference.h"

#include <unordered_map>

namespace sim {
namespace {

// Splits "Entity entity, BOOL p1" into its parameters' kinds and names.
NativeDeclaration declare(uint64_t hash, const char* name, const std::string& parameters) {
    NativeDeclaration declaration{hash, name, {}, {}};
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
#define GAME_NATIVE(hash, name, result, parameters) table.emplace(hash, declare(hash, name, parameters));
#include "sim/data/natives.def"
#undef GAME_NATIVE
        return table;
    }();
    auto it = declarations.find(hash);
    return it == declarations.end() ? nullptr : &it->second;
}

ArgumentKind argumentKindOf(const std::string& referenceType) {
    if (referenceType == "float") return ArgumentKind::Float;
    if (referenceType == "const char*" || referenceType == "char*") return ArgumentKind::Text;
    if (!referenceType.empty() && referenceType.back() == '*') return ArgumentKind::Address;
    return ArgumentKind::Integer;
}

const char* argumentKindName(ArgumentKind kind) {
    switch (kind) {
        case ArgumentKind::Integer:
            return "integer";
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
