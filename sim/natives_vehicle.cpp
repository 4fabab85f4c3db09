// Vehicles: creation, engine, flight, clean-up, modifications, and peds
// getting in and out of them.
#include <cmath>

#include "sim/native_table.h"
#include "sim/terrain.h"
#include "sim/world_rules.h"

namespace sim {
namespace {

Entity* findVehicle(const NativeCall& c, size_t argument = 0) {
    Entity* e = c.world.find(c.vehicle(argument));
    return e && e->kind == EntityKind::Vehicle ? e : nullptr;
}

Entity* findPed(const NativeCall& c) {
    Entity* e = c.world.find(c.ped(0));
    return e && e->kind == EntityKind::Ped ? e : nullptr;
}

uint32_t mixBits(uint32_t value) {
    value ^= value >> 16;
    value *= 0x7FEB352Du;
    value ^= value >> 15;
    value *= 0x846CA68Bu;
    value ^= value >> 16;
    return value;
}

// Assumption: how many modifications a slot offers, and the colours a new
// vehicle comes in, are facts of the model's data; here they are derived from
// the model hash: 0 to 5 modifications per slot (slots 0 to 49), colour
// indexes 0 to 159, the four colours drawn apart.
void giveModelData(Entity& vehicle) {
    VehicleState& state = vehicle.vehicleState;
    for (int32_t slot = 0; slot < 50; ++slot)
        state.modCounts[slot] =
            static_cast<int32_t>(mixBits(vehicle.model + 0x9E3779B9u * static_cast<uint32_t>(slot + 1)) % 6);
    state.primaryColour = static_cast<int32_t>(mixBits(vehicle.model ^ 0x61C88647u) % 160);
    state.secondaryColour = static_cast<int32_t>(mixBits(vehicle.model ^ 0x165667B1u) % 160);
    state.pearlescentColour = static_cast<int32_t>(mixBits(vehicle.model) % 160);
    state.wheelColour = static_cast<int32_t>(mixBits(vehicle.model ^ 0x5BD1E995u) % 160);
}

// (model, x, y, z, heading, network, script) -> handle. Only a vehicle model
// whose load has completed makes a vehicle; otherwise the handle is 0.
void createVehicle(const NativeCall& c) {
    World& w = c.world;
    uint32_t model = c.hash(0);
    const ModelInfo* info = w.models.find(model);
    auto request = w.requests.find(model);
    if (!info || !isVehicleKind(info->kind) || request == w.requests.end() || !request->second.loaded) {
        c.returnU32(0);
        return;
    }
    Entity& vehicle = w.spawnVehicle(model, Vec3{c.f32(1), c.f32(2), c.f32(3)});
    vehicle.heading = c.f32(4);
    giveModelData(vehicle);
    c.returnU32(vehicle.handle);
}

void setEngineOn(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) v->vehicleState.engineOn = true;
}

// Assumption: the vehicle is put down on the ground surface below it, with
// the peds sitting in it.
void setOnGroundProperly(const NativeCall& c) {
    World& w = c.world;
    Entity* v = findVehicle(c);
    if (!v) return;
    v->vehicleState.placedOnGround = true;
    v->position.z = terrainHeight(v->position.x, v->position.y);
    for (auto& [handle, ped] : w.entities)
        if (ped.kind == EntityKind::Ped && ped.vehicle == v->handle) ped.position = v->position;
}

void setForwardSpeed(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) v->vehicleState.forwardSpeed = c.f32(1);
}

void setLandingGear(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) v->vehicleState.landingGear = c.i32(1);
}

void isVehicleOfModel(const NativeCall& c) {
    Entity* v = findVehicle(c);
    c.returnBool(v && v->model == c.hash(1));
}

// The variable holds the handle in its low 32 bits.
void markNoLongerNeeded(const NativeCall& c) {
    uint64_t* variable = c.pointer<uint64_t>(0);
    if (!variable) return;
    if (Entity* v = c.world.find(static_cast<uint32_t>(*variable)); v && v->kind == EntityKind::Vehicle)
        v->vehicleState.handedBack = true;
}

// Assumption: as the game does, a model without a display name answers "CARNOTFOUND".
void displayName(const NativeCall& c) {
    static const char notFound[] = "CARNOTFOUND";
    const ModelInfo* info = c.world.models.find(c.hash(0));
    const char* text = info && isVehicleKind(info->kind) ? info->displayName.c_str() : notFound;
    c.result[0] = reinterpret_cast<uintptr_t>(text);
}

void setModKit(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) v->vehicleState.modKit = c.i32(1);
}

void toggleMod(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) v->vehicleState.toggles[c.i32(1)] = c.flag(2);
}

void setPlateStyle(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) v->vehicleState.plateStyle = c.i32(1);
}

// Assumption: a number plate shows at most 8 characters; longer text is cut.
void setPlateText(const NativeCall& c) {
    Entity* v = findVehicle(c);
    if (v && c.text(1)) v->vehicleState.plateText = std::string(c.text(1)).substr(0, 8);
}

void setNeonLight(const NativeCall& c) {
    Entity* v = findVehicle(c);
    if (!v) return;
    if (c.flag(2))
        v->vehicleState.neonLights.insert(c.i32(1));
    else
        v->vehicleState.neonLights.erase(c.i32(1));
}

void setNeonColour(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) {
        v->vehicleState.neonRed = c.i32(1);
        v->vehicleState.neonGreen = c.i32(2);
        v->vehicleState.neonBlue = c.i32(3);
    }
}

// Write the colour indexes as 32-bit integers: the primary and secondary
// colours, and the extra colours (pearlescent and wheel).
void getColours(const NativeCall& c) {
    Entity* v = findVehicle(c);
    if (!v) return;
    if (int32_t* primary = c.pointer<int32_t>(1)) *primary = v->vehicleState.primaryColour;
    if (int32_t* secondary = c.pointer<int32_t>(2)) *secondary = v->vehicleState.secondaryColour;
}

void getExtraColours(const NativeCall& c) {
    Entity* v = findVehicle(c);
    if (!v) return;
    if (int32_t* pearlescent = c.pointer<int32_t>(1)) *pearlescent = v->vehicleState.pearlescentColour;
    if (int32_t* wheel = c.pointer<int32_t>(2)) *wheel = v->vehicleState.wheelColour;
}

void setModColour1(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) {
        v->vehicleState.modColour1PaintType = c.i32(1);
        v->vehicleState.modColour1 = c.i32(2);
    }
}

void setModColour2(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) {
        v->vehicleState.modColour2PaintType = c.i32(1);
        v->vehicleState.modColour2 = c.i32(2);
    }
}

void modCount(const NativeCall& c) {
    Entity* v = findVehicle(c);
    if (!v) {
        c.returnU32(0);
        return;
    }
    auto it = v->vehicleState.modCounts.find(c.i32(1));
    c.returnU32(static_cast<uint32_t>(it == v->vehicleState.modCounts.end() ? 0 : it->second));
}

// Assumption: the game takes any index it is given, also one past the last.
void setMod(const NativeCall& c) {
    if (Entity* v = findVehicle(c)) v->vehicleState.mods[c.i32(1)] = c.i32(2);
}

void isPedInAnyVehicle(const NativeCall& c) {
    Entity* ped = findPed(c);
    c.returnBool(ped && c.world.find(ped->vehicle) != nullptr);
}

// (ped, includeEntering): the vehicle the ped sits in, else with the flag set
// the one it was last in while that still exists, else 0.
// Assumption: what the flag means is not known (public notes call it both
// "include entering" and "last vehicle"); here it adds the last vehicle, which
// includes one the ped is getting into or has just left.
void vehiclePedIsIn(const NativeCall& c) {
    Entity* ped = findPed(c);
    uint32_t vehicle = 0;
    if (ped && c.world.find(ped->vehicle))
        vehicle = ped->vehicle;
    else if (ped && c.flag(1) && c.world.find(ped->lastVehicle))
        vehicle = ped->lastVehicle;
    c.returnU32(vehicle);
}

void leaveVehicle(World& w, Entity& ped) {
    if (Entity* v = w.find(ped.vehicle); v && v->vehicleState.driver == ped.handle) v->vehicleState.driver = 0;
    ped.vehicle = 0;
}

// Assumption: clearing a ped's tasks at once takes it out of its vehicle, to
// stand where the vehicle is, and ends its drive-around task.
void clearPedTasksImmediately(const NativeCall& c) {
    Entity* ped = findPed(c);
    if (!ped) return;
    leaveVehicle(c.world, *ped);
    ped->driving = false;
    ++ped->tasksCleared;
}

// (ped, vehicle, seat). Assumption: seat -1 is the driver's seat and whoever
// sat there is put out; any other seat seats the ped as a passenger. The ped
// takes the vehicle's position; placing the vehicle carries it along.
void setPedIntoVehicle(const NativeCall& c) {
    World& w = c.world;
    Entity* ped = findPed(c);
    Entity* vehicle = findVehicle(c, 1);
    if (!ped || !vehicle) return;
    leaveVehicle(w, *ped);
    if (c.i32(2) == -1) {
        if (Entity* former = w.find(vehicle->vehicleState.driver); former && former != ped) former->vehicle = 0;
        vehicle->vehicleState.driver = ped->handle;
    }
    ped->vehicle = vehicle->handle;
    ped->lastVehicle = vehicle->handle;
    ped->position = vehicle->position;
}

}  // namespace

// Assumption: the game deletes a vehicle that no script needs any more (handed
// back) once nobody sits in it and it lies more than 200 units from the player,
// out of his sight; vehicles a script still holds are kept.
void ruleVehicleCleanUp(World& w) {
    const Entity* player = w.player();
    for (auto it = w.entities.begin(); it != w.entities.end();) {
        const Entity& v = it->second;
        bool occupied = v.vehicleState.driver != 0 || (player && player->vehicle == v.handle);
        bool far = !player || std::hypot(v.position.x - player->position.x, v.position.y - player->position.y) > 200.0f;
        if (v.kind == EntityKind::Vehicle && v.vehicleState.handedBack && !occupied && far)
            it = w.entities.erase(it);
        else
            ++it;
    }
}

void registerVehicleNatives(NativeTable& t) {
    t[0xAF35D0D2583051B0ull] = {"CREATE_VEHICLE", createVehicle};
    t[0x2497C4717C8B881Eull] = {"SET_VEHICLE_ENGINE_ON", setEngineOn};
    t[0x49733E92263139D1ull] = {"SET_VEHICLE_ON_GROUND_PROPERLY", setOnGroundProperly};
    t[0xAB54A438726D25D5ull] = {"SET_VEHICLE_FORWARD_SPEED", setForwardSpeed};
    t[0xCFC8BE9A5E1FE575ull] = {"CONTROL_LANDING_GEAR", setLandingGear};
    t[0x423E8DE37D934D89ull] = {"IS_VEHICLE_MODEL", isVehicleOfModel};
    t[0x629BFA74418D6239ull] = {"SET_VEHICLE_AS_NO_LONGER_NEEDED", markNoLongerNeeded};
    t[0xB215AAC32D25D019ull] = {"GET_DISPLAY_NAME_FROM_VEHICLE_MODEL", displayName};
    t[0x1F2AA07F00B3217Aull] = {"SET_VEHICLE_MOD_KIT", setModKit};
    t[0x2A1F4F37F95BAD08ull] = {"TOGGLE_VEHICLE_MOD", toggleMod};
    t[0x9088EB5A43FFB0A1ull] = {"SET_VEHICLE_NUMBER_PLATE_TEXT_INDEX", setPlateStyle};
    t[0x95A88F0B409CDA47ull] = {"SET_VEHICLE_NUMBER_PLATE_TEXT", setPlateText};
    t[0x2AA720E4287BF269ull] = {"SET_VEHICLE_NEON_ENABLED", setNeonLight};
    t[0x8E0A582209A62695ull] = {"SET_VEHICLE_NEON_COLOUR", setNeonColour};
    t[0xA19435F193E081ACull] = {"GET_VEHICLE_COLOURS", getColours};
    t[0x3BC4245933A166F7ull] = {"GET_VEHICLE_EXTRA_COLOURS", getExtraColours};
    t[0x43FEB945EE7F85B8ull] = {"SET_VEHICLE_MOD_COLOR_1", setModColour1};
    t[0x816562BADFDEC83Eull] = {"SET_VEHICLE_MOD_COLOR_2", setModColour2};
    t[0xE38E9162A2500646ull] = {"GET_NUM_VEHICLE_MODS", modCount};
    t[0x6AF0636DDEDCB6DDull] = {"SET_VEHICLE_MOD", setMod};
    t[0x997ABD671D25CA0Bull] = {"IS_PED_IN_ANY_VEHICLE", isPedInAnyVehicle};
    t[0x9A9112A0FE9A4713ull] = {"GET_VEHICLE_PED_IS_IN", vehiclePedIsIn};
    t[0xAAA34F8A7CB32098ull] = {"CLEAR_PED_TASKS_IMMEDIATELY", clearPedTasksImmediately};
    t[0xF75B0D629E1C063Dull] = {"SET_PED_INTO_VEHICLE", setPedIntoVehicle};
}

}  // namespace sim
