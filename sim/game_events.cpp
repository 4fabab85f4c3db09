#include "sim/game_events.h"

#include <iterator>

namespace sim {

void killPlayer(World& w) {
    if (Entity* player = w.player()) player->dead = true;
}

void arrestPlayer(World& w) { w.beingArrested = true; }

void showLoadingScreen(World& w, uint32_t milliseconds) {
    // Assumption: loading screens that overlap show as one, until the last is over.
    w.screen.loadingScreen = true;
    ++w.screen.loadingScreensShowing;
    w.after(milliseconds, [](World& world) {
        world.screen.loadingScreen = --world.screen.loadingScreensShowing > 0;
    });
}

void leaveScreenFadedOut(World& w) {
    w.screen.fade = FadeState::FadedOut;
    w.screen.fadeStart = w.tick();
    w.screen.fadeDuration = 0;
}

// Assumption: the other script fades in only if the screen is still black
// from its own fade; whatever faded it since owns it.
void otherScriptFadesOut(World& w, uint32_t fadeMilliseconds, uint32_t holdMilliseconds) {
    Screen& s = w.screen;
    s.fade = fadeMilliseconds == 0 ? FadeState::FadedOut : FadeState::FadingOut;
    s.fadeStart = w.tick();
    s.fadeDuration = fadeMilliseconds;
    s.fadeSource = FadeSource::OtherScript;
    if (holdMilliseconds == 0) return;
    w.after(fadeMilliseconds + holdMilliseconds, [](World& world) {
        Screen& screen = world.screen;
        if (screen.fadeSource != FadeSource::OtherScript || screen.fade != FadeState::FadedOut) return;
        screen.fade = FadeState::FadingIn;
        screen.fadeStart = world.tick();
        screen.fadeDuration = 1000;
    });
}

void startMission(World& w) { w.missionActive = true; }

void endMission(World& w) { w.missionActive = false; }

// Assumption: while the player has no ped the local player's ped answers 0;
// the new ped stands on foot, alive, with nothing carried over.
void playerPedVanishes(World& w, uint32_t backAfterMilliseconds) {
    Entity* old = w.player();
    if (!old) return;
    uint32_t model = old->model;
    Vec3 position = old->position;
    if (Entity* vehicle = w.find(old->vehicle); vehicle && vehicle->vehicleState.driver == old->handle)
        vehicle->vehicleState.driver = 0;
    w.removeEntity(old->handle);
    w.after(backAfterMilliseconds, [model, position](World& world) {
        if (world.player()) return;
        world.playerPed = world.spawnPed(model, position).handle;
    });
}

void playCutscene(World& w, uint32_t milliseconds) {
    w.screen.cutscene = true;
    w.after(milliseconds, [](World& world) { world.screen.cutscene = false; });
}

// Assumption: the game gives the waypoint's blip the height 0; there is at
// most one waypoint, and a new one replaces the old.
void setWaypoint(World& w, float x, float y) {
    clearWaypoint(w);
    Blip& blip = w.blips[w.nextBlipHandle++];
    blip.position = Vec3{x, y, 0.0f};
    blip.sprite = waypointSprite;
}

void clearWaypoint(World& w) {
    for (auto it = w.blips.begin(); it != w.blips.end();)
        it = !it->second.byScript && it->second.sprite == waypointSprite ? w.blips.erase(it) : std::next(it);
}

void holdControl(World& w, int32_t control) {
    w.controlsHeld.insert(control);
    w.keyboardInUse = false;
}

void releaseControl(World& w, int32_t control) { w.controlsHeld.erase(control); }

void pressControl(World& w, int32_t control) {
    holdControl(w, control);
    w.controlsJustPressed.insert(control);
}

// Assumption: the game reports a notch of the wheel as its scroll control
// (241 up, 242 down) just pressed for one frame.
void turnMouseWheel(World& w, bool up) {
    w.controlsJustPressed.insert(up ? 241 : 242);
    w.keyboardInUse = true;
}

// Assumption: a left click works the cursor's accept (237) and what the left
// button does in play: the attack on foot (24, 257), from a vehicle (69, 92,
// 114), the light melee attack (142), the vehicle's mouse steering override
// (106, 122, 135), a bike's melee to the left (346) and the phone's select
// (176).
const std::vector<int32_t> leftClickControls = {237, 24, 257, 69, 92, 114, 142, 106, 122, 135, 346, 176};

void mouseClickAt(World& w, uint32_t tick, float x, float y) {
    w.at(tick, [x, y](World& world) {
        world.cursorX = x;
        world.cursorY = y;
        for (int32_t control : leftClickControls) world.controlsJustPressed.insert(control);
        world.keyboardInUse = true;
    });
}

void keyDown(World& w, uint32_t key) {
    w.keyboardInUse = true;
    if (w.keyboardHandler) w.keyboardHandler(key, 1, 0, 0, 0, 0, 0);
}

void keyUp(World& w, uint32_t key) {
    w.keyboardInUse = true;
    if (w.keyboardHandler) w.keyboardHandler(key, 1, 0, 0, 0, 1, 1);
}

void pressKey(World& w, uint32_t key, uint32_t holdMilliseconds) {
    w.keyMessageAt(w.tick(), key, false);
    w.keyMessageAt(w.tick() + holdMilliseconds, key, true);
}

}  // namespace sim
