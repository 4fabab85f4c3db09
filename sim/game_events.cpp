#include "sim/game_events.h"

namespace sim {

void killPlayer(World& w) {
    if (Entity* player = w.player()) player->dead = true;
}

void arrestPlayer(World& w) { w.beingArrested = true; }

void showLoadingScreen(World& w, uint32_t milliseconds) {
    w.screen.loadingScreen = true;
    w.after(milliseconds, [](World& world) { world.screen.loadingScreen = false; });
}

void leaveScreenFadedOut(World& w) {
    w.screen.fade = FadeState::FadedOut;
    w.screen.fadeStart = w.tick();
    w.screen.fadeDuration = 0;
}

void holdControl(World& w, int32_t control) { w.controlsHeld.insert(control); }

void releaseControl(World& w, int32_t control) { w.controlsHeld.erase(control); }

void pressControl(World& w, int32_t control) {
    w.controlsHeld.insert(control);
    w.controlsJustPressed.insert(control);
}

void keyDown(World& w, uint32_t key) {
    if (w.keyboardHandler) w.keyboardHandler(key, 1, 0, 0, 0, 0, 0);
}

void keyUp(World& w, uint32_t key) {
    if (w.keyboardHandler) w.keyboardHandler(key, 1, 0, 0, 0, 1, 1);
}

void pressKey(World& w, uint32_t key, uint32_t holdMilliseconds) {
    w.keyMessageAt(w.tick(), key, false);
    w.keyMessageAt(w.tick() + holdMilliseconds, key, true);
}

}  // namespace sim
