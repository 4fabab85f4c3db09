#include "spawn/waypoint_place.h"

#include "host/natives/gameplay_natives.h"
#include "host/natives/map_natives.h"

namespace {

constexpr int32_t waypointSprite = 8;
// Above the map's highest ground, as the search after every spawn starts.
constexpr float groundSearchHeight = 950.0f;
// A standing player's height above the ground, as the save chord saves it.
constexpr float standingHeight = 1.0f;

}  // namespace

bool waypointPlace(Vector3* place) {
    if (!isWaypointActive()) return false;
    int32_t blip = getFirstBlipInfoId(waypointSprite);
    if (blip == 0) return false;
    Vector3 at = getBlipInfoIdCoord(blip);
    float ground = 0.0f;
    at.z = getGroundZFor3dCoord(at.x, at.y, groundSearchHeight, &ground) ? ground + standingHeight : groundSearchHeight;
    *place = at;
    return true;
}
