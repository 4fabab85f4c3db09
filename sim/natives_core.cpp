// Player, entities, name hashes, the host's random numbers and model streaming.

#include "sim/joaat.h"
#include "sim/native_table.h"
#include "sim/world_rules.h"

namespace sim {
namespace {

void localPlayerId(const NativeCall& c) { c.returnU32(c.world.playerId); }

void localPlayerPed(const NativeCall& c) { c.returnU32(c.world.player() ? c.world.playerPed : 0); }

void isPlayerBeingArrested(const NativeCall& c) {
    c.returnBool(c.player(0) == c.world.playerId && c.world.beingArrested);
}

// Assumption: a model change replaces the player's ped by a new one (a new
// handle) standing where the old one stood, on foot, with nothing carried
// over; the old ped is gone. An unloaded or unknown model leaves the player
// as he was, as the game does.
void setPlayerModel(const NativeCall& c) {
    World& w = c.world;
    uint32_t model = c.hash(1);
    Entity* old = w.player();
    const ModelInfo* info = w.models.find(model);
    auto request = w.requests.find(model);
    if (c.player(0) != w.playerId || !old || !info || info->kind != ModelKind::Ped || request == w.requests.end() ||
        !request->second.loaded)
        return;
    Vec3 position = old->position;
    float heading = old->heading;
    if (Entity* vehicle = w.find(old->vehicle)) vehicle->vehicleState.driver = 0;
    w.removeEntity(old->handle);
    Entity& ped = w.spawnPed(model, position);
    ped.heading = heading;
    w.playerPed = ped.handle;
    ++w.playerModelSets;
}

void entityExists(const NativeCall& c) { c.returnBool(c.world.find(c.entity(0)) != nullptr); }

void isEntityDead(const NativeCall& c) {
    Entity* e = c.world.find(c.entity(0));
    c.returnBool(e && e->dead);
}

void entityModel(const NativeCall& c) {
    Entity* e = c.world.find(c.entity(0));
    c.returnU32(e ? e->model : 0);
}

void entityCoords(const NativeCall& c) {
    Entity* e = c.world.find(c.entity(0));
    c.returnVector(e ? e->position : Vec3{});
}

void nameHash(const NativeCall& c) { c.returnU32(joaat(c.text(0))); }

// The host's random integer in [start, end); a forced value is taken as it is.
void randomInt(const NativeCall& c) {
    World& w = c.world;
    if (!w.forcedInts.empty()) {
        c.returnU32(static_cast<uint32_t>(w.forcedInts.front()));
        w.forcedInts.erase(w.forcedInts.begin());
        return;
    }
    int32_t start = c.i32(0), end = c.i32(1);
    if (end <= start) {
        c.returnU32(static_cast<uint32_t>(start));
        return;
    }
    std::uniform_int_distribution<int32_t> pick(start, end - 1);
    c.returnU32(static_cast<uint32_t>(pick(w.random)));
}

void randomFloat(const NativeCall& c) {
    World& w = c.world;
    if (!w.forcedFloats.empty()) {
        c.returnFloat(w.forcedFloats.front());
        w.forcedFloats.erase(w.forcedFloats.begin());
        return;
    }
    float low = c.f32(0), high = c.f32(1);
    if (!(high > low)) {
        c.returnFloat(low);
        return;
    }
    std::uniform_real_distribution<float> pick(low, high);
    c.returnFloat(pick(w.random));
}

// Assumption: a request of a model the game's data holds completes after
// modelLoadMilliseconds, unless the model is switched to never load.
void requestModel(const NativeCall& c) {
    World& w = c.world;
    uint32_t model = c.hash(0);
    const ModelInfo* info = w.models.find(model);
    if (!info || !info->inGameData) return;
    if (!w.requests.count(model)) w.requests[model] = ModelRequest{w.tick(), false};
}

void hasModelLoaded(const NativeCall& c) {
    auto it = c.world.requests.find(c.hash(0));
    c.returnBool(it != c.world.requests.end() && it->second.loaded);
}

void releaseModel(const NativeCall& c) {
    c.world.releases[c.hash(0)]++;
    c.world.requests.erase(c.hash(0));
}

void isModelInGameData(const NativeCall& c) {
    const ModelInfo* info = c.world.models.find(c.hash(0));
    c.returnBool(info && info->inGameData);
}

const ModelInfo* modelInGameData(const NativeCall& c) {
    const ModelInfo* info = c.world.models.find(c.hash(0));
    return info && info->inGameData ? info : nullptr;
}

void isVehicleModel(const NativeCall& c) {
    const ModelInfo* info = modelInGameData(c);
    c.returnBool(info && isVehicleKind(info->kind));
}

void isPlaneModel(const NativeCall& c) {
    const ModelInfo* info = modelInGameData(c);
    c.returnBool(info && info->kind == ModelKind::Plane);
}

// Assumption: whether the game's aeroplane test or its helicopter test answers
// true for the blimps of the plane list is not known; here the helicopter test
// does (the blimps are flown as helicopters are), so a blimp's height is
// corrected as a helicopter's. Were neither true, a blimp would keep the height
// it was made at.
void isHelicopterModel(const NativeCall& c) {
    const ModelInfo* info = modelInGameData(c);
    c.returnBool(info && (info->kind == ModelKind::Helicopter || info->kind == ModelKind::Blimp));
}

}  // namespace

void ruleModelStreaming(World& w) {
    for (auto& [model, request] : w.requests) {
        const ModelInfo* info = w.models.find(model);
        if (!request.loaded && info && !info->neverLoads &&
            static_cast<int32_t>(w.tick() - request.requestedAt) >= static_cast<int32_t>(w.modelLoadMilliseconds))
            request.loaded = true;
    }
}

void registerCoreNatives(NativeTable& t) {
    t[0x4F8644AF03D0E0D6ull] = {"PLAYER_ID", localPlayerId};
    t[0xD80958FC74E988A6ull] = {"PLAYER_PED_ID", localPlayerPed};
    t[0x388A47C51ABDAC8Eull] = {"IS_PLAYER_BEING_ARRESTED", isPlayerBeingArrested};
    t[0x00A1CADD00108836ull] = {"SET_PLAYER_MODEL", setPlayerModel};
    t[0x7239B21A38F536BAull] = {"DOES_ENTITY_EXIST", entityExists};
    t[0x5F9532F3B5CC2551ull] = {"IS_ENTITY_DEAD", isEntityDead};
    t[0x9F47B058362C84B5ull] = {"GET_ENTITY_MODEL", entityModel};
    t[0x3FEF770D40960D5Aull] = {"GET_ENTITY_COORDS", entityCoords};
    t[0xD24D37CC275948CCull] = {"GET_HASH_KEY", nameHash};
    t[0xD53343AA4FB7DD28ull] = {"GET_RANDOM_INT_IN_RANGE", randomInt};
    t[0x313CE5879CEB6FCDull] = {"GET_RANDOM_FLOAT_IN_RANGE", randomFloat};
    t[0x963D27A58DF860ACull] = {"REQUEST_MODEL", requestModel};
    t[0x98A4EB5D89A0C952ull] = {"HAS_MODEL_LOADED", hasModelLoaded};
    t[0xE532F5D78798DAABull] = {"SET_MODEL_AS_NO_LONGER_NEEDED", releaseModel};
    t[0x35B9E0803292B641ull] = {"IS_MODEL_IN_CDIMAGE", isModelInGameData};
    t[0x19AAC8F07BFEC53Eull] = {"IS_MODEL_A_VEHICLE", isVehicleModel};
    t[0xA0948AB42D7BA0DEull] = {"IS_THIS_MODEL_A_PLANE", isPlaneModel};
    t[0xDCE4334788AF94EAull] = {"IS_THIS_MODEL_A_HELI", isHelicopterModel};
}

}  // namespace sim
