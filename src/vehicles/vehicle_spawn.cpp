// The two vehicle spawns: a land vehicle standing on a road node, and an
// aeroplane or helicopter in flight, with the player in the driver's seat.
#include "vehicles/vehicle_spawn.h"

#include <algorithm>

#include "host/host_abi.h"
#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/ped_natives.h"
#include "host/natives/streaming_natives.h"
#include "host/natives/vehicle_natives.h"
#include "host/natives/water_natives.h"
#include "shared/entities.h"
#include "shared/event_log.h"
#include "shared/percent_chance.h"
#include "shared/player_state.h"
#include "shared/spawn_geometry.h"
#include "platform/clock.h"
#include "platform/ticks.h"
#include "settings/settings_record.h"
#include "settings/setting_limits.h"
#include "vehicles/vehicle_models.h"

namespace {

constexpr int32_t roadSearchAttempts = 20;
// The ground under an aircraft is probed from this height, above every hill of
// the map, so that an aircraft created inside a hill finds the hill's top.
constexpr float aircraftGroundProbeHeight = 3000.0f;
// After a scene load the collision streams in over some frames: the ground
// under the place of an aircraft is probed again every 100 ms, at most 20
// times (2 s).
constexpr int32_t collisionWaitAttempts = 20;
constexpr uint32_t collisionWaitStepMs = 100;

// x and y about "preferred_spawn_distance" from the death point, kept when a
// close point is wanted and lies inside the map; otherwise drawn from the
// large rectangle (roll above 60) or the small one. The offsets are drawn
// on every call, also when they are discarded.
void drawSpawnXY(bool closePoint, const MapRegion& large, const MapRegion& small, float& x, float& y) {
    x = playerState.lastPlayerPosition.x + static_cast<float>(randomAxisOffset(settings.preferred_spawn_distance));
    y = playerState.lastPlayerPosition.y + static_cast<float>(randomAxisOffset(settings.preferred_spawn_distance));
    if (closePoint && insideCloseMapBounds(x, y)) return;
    const MapRegion& rectangle = percentChance(60) ? small : large;
    x = getRandomFloatInRange(rectangle.minX, rectangle.maxX);
    y = getRandomFloatInRange(rectangle.minY, rectangle.maxY);
}

// Requests the model and waits for it frame by frame, at most
// vehicleModelLoadLimitMs. A model that does not load in time is released.
bool loadVehicleModel(uint32_t model) {
    requestModel(model);
    uint32_t deadline = tickCount() + vehicleModelLoadLimitMs;
    while (!hasModelLoaded(model)) {
        if (tickReached(tickCount(), deadline)) {
            char name[40];
            nameVehicleModel(model, name, sizeof name);
            logEvent("the vehicle %s did not load within %.0f s", name, secondsOf(vehicleModelLoadLimitMs));
            setModelAsNoLongerNeeded(model);
            return false;
        }
        host::scriptWait(0);
    }
    return true;
}

float aircraftProbeHeight(const Vector3& position) { return std::max(position.z, aircraftGroundProbeHeight); }

// Where no ground is found under the place an aircraft is to be made, loads
// the scene there and probes again every 100 ms while the collision streams
// in, as the ground settle waits for its ground. Made only afterwards, the
// aircraft never waits inside a hill whose collision is still missing, and its
// altitude is corrected over the ground.
void awaitCollisionUnder(const Vector3& point) {
    float ground = 0.0f;
    if (getGroundZFor3dCoord(point.x, point.y, aircraftProbeHeight(point), &ground)) return;
    loadScene(point.x, point.y, point.z);
    for (int32_t attempt = 0; attempt < collisionWaitAttempts; ++attempt) {
        host::scriptWait(collisionWaitStepMs);
        if (getGroundZFor3dCoord(point.x, point.y, aircraftProbeHeight(point), &ground)) return;
    }
    logEvent("the ground under (%.1f, %.1f) did not load within %.0f s", point.x, point.y,
             secondsOf(collisionWaitAttempts * collisionWaitStepMs));
}

// What lies under an aircraft: the ground, or the water's surface where the
// game's water query finds water above the ground (its ground probe may report
// the bed). Where no ground is found, the water's surface counts, or else what
// the game counts as below the aircraft: its height above the ground taken off
// its altitude.
float groundUnderAircraft(uint32_t vehicle, const Vector3& position) {
    float water = 0.0f;
    bool overWater = getWaterHeightNoWaves(position.x, position.y, aircraftProbeHeight(position), &water);
    float ground = 0.0f;
    if (getGroundZFor3dCoord(position.x, position.y, aircraftProbeHeight(position), &ground))
        return overWater ? std::max(ground, water) : ground;
    return overWater ? water : position.z - getEntityHeightAboveGround(vehicle);
}

HeightBand aeroplaneBand() {
    return aircraftHeightBand(aeroplaneHeights, settings.min_plane_spawn_height_over_ground,
                              settings.max_plane_spawn_height_over_ground);
}

HeightBand helicopterBand() {
    return aircraftHeightBand(helicopterHeights, settings.min_heli_spawn_height_over_ground,
                              settings.max_heli_spawn_height_over_ground);
}

// The vehicle the player gets, or the one that could not be made, by name.
void logVehicle(const char* kind, uint32_t model, uint32_t vehicle) {
    char name[40];
    nameVehicleModel(model, name, sizeof name);
    if (vehicle == 0)
        logEvent("no %s could be made (%s)", kind, name);
    else
        logEvent("your %s: %s", kind, name);
}

}  // namespace

Vector3 airSpawnPoint(bool closePoint) {
    Vector3 point{};
    drawSpawnXY(closePoint, largeAirRectangle, mainMapRegion, point.x, point.y);
    // Above sea level, not above the ground: correctAltitude brings the aircraft into its band.
    point.z = getRandomFloatInRange(200.0f, 501.0f);
    return point;
}

Vector3 roadSearchPoint(bool closePoint) {
    Vector3 point{};
    drawSpawnXY(closePoint, largeRoadRectangle, mainMapRegion, point.x, point.y);
    float probeHeight = getRandomFloatInRange(0.0f, 767.0f);
    float ground = 0.0f;
    getGroundZFor3dCoord(point.x, point.y, probeHeight, &ground);
    point.z = ground;
    return point;
}

uint32_t createVehicleAt(uint32_t model, const Vector3& position, float heading) {
    if (!isModelAVehicle(model) || !loadVehicleModel(model)) return 0;
    uint32_t vehicle = createVehicle(model, position.x, position.y, position.z);
    if (isExistingEntity(vehicle)) setEntityHeading(vehicle, heading);
    host::scriptWait(0);
    setModelAsNoLongerNeeded(model);
    return vehicle;
}

void correctAltitude(uint32_t vehicle, HeightBand band) {
    Vector3 position = entityPosition(vehicle);
    float ground = groundUnderAircraft(vehicle, position);
    // An aircraft stays where it was made only at least its band's minimum over
    // the ground; the keep test also holds its altitude to its own maximum and,
    // for both kinds of aircraft, to the aeroplane band.
    HeightBand planes = aeroplaneBand();
    if (position.z - ground >= static_cast<float>(band.minimum) && position.z <= static_cast<float>(band.maximum) &&
        position.z >= static_cast<float>(planes.minimum) && position.z <= static_cast<float>(planes.maximum))
        return;
    float z = getRandomFloatInRange(ground + static_cast<float>(band.minimum),
                                    ground + static_cast<float>(band.maximum) + 1.0f);
    placeEntity(vehicle, position.x, position.y, z + 0.2f);
}

void spawnInAir(bool closePoint) {
    Vector3 point = airSpawnPoint(closePoint);
    float heading = getRandomFloatInRange(0.0f, 361.0f);
    uint32_t model = pickAirVehicleModel();
    uint32_t vehicle = 0;
    if (isModelInCdimage(model)) {
        awaitCollisionUnder(point);
        vehicle = createVehicleAt(model, point, heading);
    }
    logVehicle("aircraft", model, vehicle);
    customiseVehicle(vehicle);
    // Seated before the altitude is corrected, the player moves with the aircraft.
    seatPedInVehicle(playerState.playerPed, vehicle);
    if (!isExistingEntity(vehicle)) return;
    setVehicleEngineOnNow(vehicle);
    uint32_t vehicleModel = getEntityModel(vehicle);
    if (isThisModelAPlane(vehicleModel)) {
        correctAltitude(vehicle, aeroplaneBand());
        setVehicleForwardSpeed(vehicle, getRandomFloatInRange(55.0f, 61.0f));
    } else if (isThisModelAHeli(vehicleModel)) {
        correctAltitude(vehicle, helicopterBand());
    }
    controlLandingGear(vehicle, 3);  // retracted
}

void spawnInVehicleOnRoad(bool closePoint) {
    Vector3 node{0.0f, 0.0f, 0.0f};
    float nodeHeading = 0.0f;
    bool found = false;
    for (int32_t attempt = 0; attempt < roadSearchAttempts && !found; ++attempt) {
        Vector3 probe = roadSearchPoint(closePoint);
        found = getClosestVehicleNodeWithHeading(probe.x, probe.y, probe.z, &node, &nodeHeading);
    }
    if (!found) {
        logEvent("no road found in %d tries: you stay where you were", static_cast<int>(roadSearchAttempts));
        return;
    }
    uint32_t model = pickLandVehicleModel();
    uint32_t vehicle = isModelInCdimage(model) ? createVehicleAt(model, node, nodeHeading) : 0;
    logVehicle("land vehicle", model, vehicle);
    customiseVehicle(vehicle);
    if (isExistingEntity(vehicle)) setVehicleOnGroundProperly(vehicle);
    seatPedInVehicle(playerState.playerPed, vehicle);
    if (isEntityAlive(vehicle)) setVehicleEngineOnNow(vehicle);
}
