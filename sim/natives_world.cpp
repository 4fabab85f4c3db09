// The ground and the water under a point, scene loads, placing and turning
// entities, and the road network's closest-node query.
#include <cmath>
#include <random>

#include "sim/native_table.h"
#include "sim/roads.h"
#include "sim/terrain.h"

namespace sim {
namespace {

bool isGroundless(const World& w, float x, float y) {
    for (const MapArea& area : w.groundlessAreas)
        if (area.contains(x, y)) return true;
    return false;
}

// Assumption: the ground query reports the ground below the probe whatever
// lies over it: the land, and under the sea or the lake their bed (the game's
// probe may well find the bed; its water argument is not modelled). In a
// groundless area, where the collision is not streamed in yet, or with the
// probe at or below the ground it reports nothing and leaves the height as it
// was. Otherwise it reports true and writes the ground height below the probe.
void groundHeightAt(const NativeCall& c) {
    float x = c.f32(0), y = c.f32(1), z = c.f32(2);
    if (isGroundless(c.world, x, y) || c.world.collisionMissingAt(x, y)) {
        c.returnBool(false);
        return;
    }
    float ground = terrainHeight(x, y);
    if (!(z > ground)) {
        c.returnBool(false);
        return;
    }
    *c.pointer<float>(3) = ground;
    c.returnBool(true);
}

// Assumption: the height above the ground is measured from the land, or from
// the water surface at sea or on the lake, or from height 0 in a groundless
// area (also where the collision is not streamed in); a missing entity has
// height 0.
void entityHeightAboveGround(const NativeCall& c) {
    const Entity* e = c.world.find(c.entity(0));
    if (!e) {
        c.returnFloat(0.0f);
        return;
    }
    float x = e->position.x, y = e->position.y;
    bool groundless = isGroundless(c.world, x, y) || c.world.collisionMissingAt(x, y);
    float surface = groundless ? seaLevel : surfaceHeight(x, y);
    c.returnFloat(e->position.z - surface);
}

// Assumption: the water's surface is known everywhere, streamed in or not
// (the game holds it apart from the collision): over the sea or the lake the
// query reports true and writes the height of the surface, which has no waves
// here, wherever the probe is; elsewhere it reports false, the height untouched.
void waterHeightAt(const NativeCall& c) {
    float x = c.f32(0), y = c.f32(1);
    if (isDryLand(x, y)) {
        c.returnBool(false);
        return;
    }
    *c.pointer<float>(3) = surfaceHeight(x, y);
    c.returnBool(true);
}

// Assumption: a scene load streams in the collision of the area it lies in
// over a few frames: it is there after 1 to sceneLoadMaxFrames frames, drawn
// at random for each load (ruleCollisionStreaming completes it).
void loadScene(const NativeCall& c) {
    World& w = c.world;
    float x = c.f32(0), y = c.f32(1);
    w.sceneLoads.push_back(Vec3{x, y, c.f32(2)});
    for (StreamingArea& s : w.unstreamedAreas) {
        if (s.loaded || s.sceneLoadFrame != 0 || !s.area.contains(x, y)) continue;
        std::uniform_int_distribution<uint32_t> frames(1, w.sceneLoadMaxFrames);
        s.sceneLoadFrame = w.frameCount + frames(w.streamingRandom);
    }
}

// Assumption: moving a vehicle carries the peds sitting in it along; moving a
// ped that sits in a vehicle takes it out of the vehicle (it keeps it as its
// last vehicle). The further flags of the call are not modelled.
void setEntityCoords(const NativeCall& c) {
    World& w = c.world;
    Entity* e = w.find(c.entity(0));
    if (!e) return;
    Vec3 position{c.f32(1), c.f32(2), c.f32(3)};
    e->position = position;
    if (e->kind == EntityKind::Vehicle) {
        for (auto& [handle, other] : w.entities)
            if (other.kind == EntityKind::Ped && other.vehicle == e->handle) other.position = position;
    } else if (Entity* vehicle = w.find(e->vehicle)) {
        if (vehicle->vehicleState.driver == e->handle) vehicle->vehicleState.driver = 0;
        e->lastVehicle = e->vehicle;
        e->vehicle = 0;
    }
}

// Assumption: the game keeps a heading in [0, 360).
void setEntityHeading(const NativeCall& c) {
    Entity* e = c.world.find(c.entity(0));
    if (!e) return;
    float heading = std::fmod(c.f32(1), 360.0f);
    e->heading = heading < 0.0f ? heading + 360.0f : heading;
}

// Arguments: x, y, z, node out (host vector), heading out, node type, 3.0, 0.
// Returns 1 and writes both outs when a node lies within the search radius;
// otherwise 0 with the outs untouched.
void closestVehicleNodeWithHeading(const NativeCall& c) {
    RoadNode node;
    if (!closestRoadNode(c.world, Vec3{c.f32(0), c.f32(1), c.f32(2)}, &node)) {
        c.returnU32(0);
        return;
    }
    NativeCall::writeVector(c.pointer<void>(3), node.position);
    *c.pointer<float>(4) = node.heading;
    c.returnU32(1);
}

}  // namespace

// Assumption: the game streams in the collision around the player once he has
// stood in an area for a second, and completes the scene loads asked for.
void ruleCollisionStreaming(World& w) {
    const Entity* player = w.player();
    for (StreamingArea& s : w.unstreamedAreas) {
        bool inside = player && s.area.contains(player->position.x, player->position.y);
        s.playerInsideMilliseconds = inside ? s.playerInsideMilliseconds + w.frameMilliseconds : 0;
        if (s.playerInsideMilliseconds >= 1000.0 || (s.sceneLoadFrame != 0 && w.frameCount >= s.sceneLoadFrame))
            s.loaded = true;
    }
}

void registerWorldNatives(NativeTable& t) {
    t[0xC906A7DAB05C8D2Bull] = {"GET_GROUND_Z_FOR_3D_COORD", groundHeightAt};
    t[0x1DD55701034110E5ull] = {"GET_ENTITY_HEIGHT_ABOVE_GROUND", entityHeightAboveGround};
    t[0x8EE6B53CE13A9794ull] = {"GET_WATER_HEIGHT_NO_WAVES", waterHeightAt};
    t[0x4448EB75B4904BDBull] = {"LOAD_SCENE", loadScene};
    t[0x239A3351AC1DA385ull] = {"SET_ENTITY_COORDS_NO_OFFSET", setEntityCoords};
    t[0x8E2530AA8ADA980Eull] = {"SET_ENTITY_HEADING", setEntityHeading};
    t[0xFF071FB798B803B0ull] = {"GET_CLOSEST_VEHICLE_NODE_WITH_HEADING", closestVehicleNodeWithHeading};
}

}  // namespace sim
