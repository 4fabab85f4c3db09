#pragma once
// Things that happen in the simulated game, for tests and scenarios to set off.
#include <cstdint>
#include <vector>

#include "sim/world.h"

namespace sim {

// The player's ped dies where it stands; the game's wasted sequence follows.
void killPlayer(World& world);
// The police start arresting the player; the game's busted sequence follows.
void arrestPlayer(World& world);
// The police give the arrest up before the busted screen shows: the player is
// free where he stands (after the screen showed, the arrest runs to its end).
void arrestCalledOff(World& world);
// The game ends its wasted or busted sequence at once, bringing the player
// back in the skin he wears (not only as a story character).
void gameBringsPlayerBackAsHeIs(World& world);
// A loading screen shows from now for the given time.
void showLoadingScreen(World& world, uint32_t milliseconds);
// The screen goes black and stays so, as a mission script may leave it.
void leaveScreenFadedOut(World& world);
// Another script fades the screen out over the given time and, after holding
// it black, fades it in again by itself; a hold of 0 means it never does.
void otherScriptFadesOut(World& world, uint32_t fadeMilliseconds, uint32_t holdMilliseconds);
// A mission starts, or ends (passed or abandoned).
void startMission(World& world);
void endMission(World& world);
// The player's ped is deleted; after the given time the game gives the player
// a new ped of the same model where the old one stood.
void playerPedVanishes(World& world, uint32_t backAfterMilliseconds);

// A cutscene plays from now for the given time.
void playCutscene(World& world, uint32_t milliseconds);
// The player sets a waypoint on the map (the game's blip of sprite 8, with no
// height), or takes it away.
void setWaypoint(World& world, float x, float y);
void clearWaypoint(World& world);

// Controls of control group 2: held down until released; pressed = held and
// just pressed on the current frame (the world forgets "just pressed" when it
// moves on to the next frame).
void holdControl(World& world, int32_t control);
void releaseControl(World& world, int32_t control);
void pressControl(World& world, int32_t control);
// A notch of the mouse wheel, away from the player (up) or towards him: the
// cursor's scroll control just pressed on the next frame, the keyboard and
// mouse in use.
void turnMouseWheel(World& world, bool up);
// The mouse moved to (x, y), in fractions of the screen's width and height
// from its top left, and its left button clicked there at the given tick: the
// controls a left click works just pressed on that frame, the keyboard and
// mouse in use.
void mouseClickAt(World& world, uint32_t tick, float x, float y);
// The game's controls that a left click works (the cursor's accept among them).
extern const std::vector<int32_t> leftClickControls;

// Keyboard messages delivered now to the plug-in's handler, and a key pressed
// from the next frame on and released after the given time.
void keyDown(World& world, uint32_t key);
void keyUp(World& world, uint32_t key);
void pressKey(World& world, uint32_t key, uint32_t holdMilliseconds);

}  // namespace sim
