#include "sim/native_table.h"

#include <cstdio>
#include <cstdlib>

namespace sim {
namespace {

std::string nativeLabel(uint64_t hash, const std::string& name) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(hash));
    return "native " + std::string(text) + (name.empty() ? "" : " " + name);
}

[[noreturn]] void refuse(const std::string& message) {
    std::fprintf(stderr, "simulated game: %s\n", message.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace

uint64_t NativeCall::slot(size_t i, ArgumentKind kind) const {
    if (i < declaration.arguments.size() && declaration.arguments[i] == kind) return args[i];
    std::string message = "the rule of " + nativeLabel(declaration.hash, declaration.name) + " reads argument " +
                          std::to_string(i) + " as " + argumentKindName(kind);
    if (i < declaration.arguments.size())
        message += ", but the game declares " + declaration.argumentNames[i] + " " +
                   argumentKindName(declaration.arguments[i]);
    refuse(message);
}

const NativeTable& nativeTable() {
    static const NativeTable table = [] {
        NativeTable t;
        registerCoreNatives(t);
        registerScreenNatives(t);
        registerHudNatives(t);
        registerScaleformNatives(t);
        registerMapNatives(t);
        registerWorldNatives(t);
        registerVehicleNatives(t);
        registerPedNatives(t);
        registerTaskNatives(t);
        for (auto& [hash, entry] : t) {
            entry.declaration = findNativeDeclaration(hash);
            if (!entry.declaration)
                refuse(nativeLabel(hash, entry.name) +
                       " is not in the game's reference data (run scripts/regenerate_game_facts.py)");
            if (entry.declaration->name != entry.name)
                refuse(nativeLabel(hash, entry.name) + " is " + entry.declaration->name + " in the game");
        }
        return t;
    }();
    return table;
}

namespace {

bool answering = false;

// What a value names in the world: the player's index, a ped's or a vehicle's
// handle, or nothing the world knows (0, a vanished handle, a number).
const char* whatTheValueNames(const World& world, uint32_t value) {
    if (const Entity* entity = world.find(value)) return entity->kind == EntityKind::Ped ? "a ped's handle" : "a vehicle's handle";
    if (value != 0 && value == world.playerId) return "the player's index";
    return nullptr;
}

// A handle of another kind in a typed slot, or nullptr when the value may
// stand there. A value that names nothing passes: the game answers it as it
// answers a vanished handle or an unknown player.
const char* wrongKindIn(const World& world, ArgumentKind slot, uint32_t value) {
    const char* named = whatTheValueNames(world, value);
    if (!named) return nullptr;
    const Entity* entity = world.find(value);
    switch (slot) {
        case ArgumentKind::Player:
            return entity ? named : nullptr;
        case ArgumentKind::Ped:
            return entity && entity->kind == EntityKind::Ped ? nullptr : named;
        case ArgumentKind::Vehicle:
            return entity && entity->kind == EntityKind::Vehicle ? nullptr : named;
        case ArgumentKind::Entity:
            return entity ? nullptr : named;
        case ArgumentKind::Hash:
            return named;
        default:
            return nullptr;
    }
}

void refuseHandlesOfWrongKind(const World& world, const NativeDeclaration& declaration,
                              const std::vector<uint64_t>& args) {
    for (size_t i = 0; i < args.size(); ++i)
        if (const char* named = wrongKindIn(world, declaration.arguments[i], static_cast<uint32_t>(args[i])))
            refuse(nativeLabel(declaration.hash, declaration.name) + " reads argument " + std::to_string(i) + " (" +
                   declaration.argumentNames[i] + ") as " + argumentKindName(declaration.arguments[i]) +
                   "; the call passed " + named);
}

}  // namespace

bool answeringNative() { return answering; }

void dispatchNative(World& world, uint64_t hash, const std::vector<uint64_t>& args, uint64_t* result) {
    struct Answering {
        Answering() { answering = true; }
        ~Answering() { answering = false; }
    } whileAnswering;
    const NativeTable& table = nativeTable();
    auto it = table.find(hash);
    if (it == table.end()) refuse(nativeLabel(hash, "") + " is not modelled");
    const NativeDeclaration& declaration = *it->second.declaration;
    if (args.size() != declaration.arguments.size())
        refuse(nativeLabel(hash, declaration.name) + " reads " + std::to_string(declaration.arguments.size()) +
               " arguments; the call pushed " + std::to_string(args.size()));
    if (world.refuseHandlesOfWrongKind) refuseHandlesOfWrongKind(world, declaration, args);
    ++world.nativeCallCount;
    if (world.logCalls) world.calls.push_back(CallRecord{world.tick(), hash, args});
    result[0] = result[1] = result[2] = result[3] = 0;
    it->second.handler(NativeCall{world, declaration, args, result});
}

}  // namespace sim
