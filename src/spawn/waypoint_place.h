#pragma once
// The waypoint the player set on the game's map, as a place for a custom spawn point.
#include "host/native_call.h"

// False when no waypoint is set. The height is a standing player's above the
// ground below the waypoint when the game knows that ground, else one from
// which the ground below a custom point is searched (the game gives the
// waypoint no height).
bool waypointPlace(Vector3* place);
