#include "spawn/ground_spawn.h"

#include <cmath>
#include <limits>

#include "host/host_abi.h"
#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/water_natives.h"
#include "shared/entities.h"
#include "shared/event_log.h"
#include "shared/gameplay_camera.h"
#include "shared/percent_chance.h"
#include "shared/player_state.h"
#include "shared/spawn_geometry.h"
#include "shared/table_random.h"
#include "settings/settings_record.h"
#include "spawn/spawn_points.h"

namespace {

// Height from which a random map point searches the ground.
constexpr float mapPointProbeHeight = 1000.0f;
// The ground settle's first probe height, also the height it asks for water from.
constexpr float settleProbeTop = 950.0f;

// A coordinate moved by one axis offset of the preferred spawn distance.
float offsetCoordinate(float coordinate) {
    return coordinate + static_cast<float>(randomAxisOffset(settings.preferred_spawn_distance));
}

// The list record horizontally nearest to (x, y) and nearer than `within`
// (strictly; the earlier record wins a tie), or -1 when there is none.
int nearestRecord(float x, float y, float within) {
    int best = -1;
    float bestDistance = within;
    for (int i = 0; i < builtInSpawnPointCount; ++i) {
        const SpawnPoint& point = builtInSpawnPoints[i];
        float distance = std::hypot(std::fabs(x - point.x), std::fabs(y - point.y));
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void drawPointIn(const MapRegion& region, float* x, float* y) {
    *x = getRandomFloatInRange(region.minX, region.maxX);
    *y = getRandomFloatInRange(region.minY, region.maxY);
}

// True when water covers (x, y) above the ground found there, or where no
// ground was found: the game's water query decides, not what its ground probe
// reports over water (it may find the bed).
bool underWater(float x, float y, bool groundFound, float ground) {
    float surface = 0.0f;
    return getWaterHeightNoWaves(x, y, settleProbeTop, &surface) && (!groundFound || surface > ground);
}

}  // namespace

SpawnPoint nearestListPoint(const Vector3& origin) {
    float targetX = offsetCoordinate(origin.x);
    float targetY = offsetCoordinate(origin.y);
    int row = nearestRecord(targetX, targetY, 99999.0f);
    return row < 0 ? SpawnPoint{origin.x, origin.y, origin.z} : builtInSpawnPoints[row];
}

void spawnAtListPoint(bool closePoint) {
    SpawnPoint point = closePoint ? nearestListPoint(playerState.lastPlayerPosition)
                                  : builtInSpawnPoints[tableRandom() % builtInSpawnPointCount];
    placeEntity(playerState.playerPed, point.x, point.y, point.z);
    faceRandomHeading();
}

Vector3 randomMapPoint(bool closePoint) {
    float x = offsetCoordinate(playerState.lastPlayerPosition.x);
    float y = offsetCoordinate(playerState.lastPlayerPosition.y);
    if (!(closePoint && insideCloseMapBounds(x, y))) {
        if (percentChance(50)) {
            drawPointIn(mainMapRegion, &x, &y);
        } else {
            // The index is the float truncated; one outside 1 to 5 keeps the offset point.
            float index = getRandomFloatInRange(1.0f, 6.0f);
            if (index >= 1.0f && index < 6.0f) drawPointIn(otherMapRegions[static_cast<int>(index) - 1], &x, &y);
        }
    }
    return Vector3{x, y, mapPointProbeHeight};
}

void spawnAtRandomMapPoint(bool closePoint) {
    Vector3 point = randomMapPoint(closePoint);
    float ground = 0.0f;
    getGroundZFor3dCoord(point.x, point.y, mapPointProbeHeight, &ground);
    placeEntity(playerState.playerPed, point.x, point.y, ground);
    Vector3 placed = entityPosition(playerState.playerPed);
    float groundZ = placed.z - getEntityHeightAboveGround(playerState.playerPed);
    loadScene(placed.x, placed.y, groundZ);
    placeEntity(playerState.playerPed, placed.x, placed.y, groundZ);
    faceRandomHeading();
}

void spawnAtDeathPoint() {
    float ground = 0.0f;
    getGroundZFor3dCoord(playerState.lastPlayerPosition.x, playerState.lastPlayerPosition.y,
                         playerState.lastPlayerPosition.z, &ground);
    loadScene(playerState.lastPlayerPosition.x, playerState.lastPlayerPosition.y, ground);
    placeEntity(playerState.playerPed, playerState.lastPlayerPosition.x, playerState.lastPlayerPosition.y, ground);
    faceRandomHeading();
}

void faceRandomHeading() {
    if (!isExistingEntity(playerState.playerPed)) return;
    setEntityHeading(playerState.playerPed, getRandomFloatInRange(-360.0f, 361.0f));
    resetGameplayCameraAngles();
}

void settleOnGround() {
    Vector3 p = entityPosition(playerState.playerPed);
    float height = getEntityHeightAboveGround(playerState.playerPed);
    loadScene(p.x, p.y, p.z - height);
    // Probe from 950 down in steps of 50 (at most 19 tries, 100 ms each) until
    // the game reports ground below the probe.
    float z = settleProbeTop;
    bool groundFound = false;
    do {
        placeEntity(playerState.playerPed, p.x, p.y, z);
        host::scriptWait(100);
        groundFound = getGroundZFor3dCoord(p.x, p.y, z, &p.z);
        if (groundFound) {
            z = p.z + 5.0f;
            break;
        }
        z -= 50.0f;
    } while (z > 0.0f);
    bool water = underWater(p.x, p.y, groundFound, p.z);
    if (!groundFound || water) {
        if (water)
            logEvent("water at (%.1f, %.1f): the nearest place of the built-in list instead", p.x, p.y);
        else
            logEvent("no ground to stand on at (%.1f, %.1f): the nearest place of the built-in list instead", p.x, p.y);
        // Water (the sea, a lake), or no ground at any height tried (a place
        // the game cannot stand him on): the nearest place of the built-in
        // list, where a player can stand, rather than the bed under the water
        // or whatever height the probes left.
        // (A position that is not a number is nearest to none: the first record.)
        int row = nearestRecord(p.x, p.y, std::numeric_limits<float>::infinity());
        const SpawnPoint& point = builtInSpawnPoints[row < 0 ? 0 : row];
        placeEntity(playerState.playerPed, point.x, point.y, point.z);
        return;
    }
    getGroundZFor3dCoord(p.x, p.y, z, &p.z);
    host::scriptWait(50);
    placeEntity(playerState.playerPed, p.x, p.y, p.z + 0.2f);
}
