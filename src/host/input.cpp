#include "host/input.h"

#include "host/natives/camera_natives.h"
#include "host/natives/control_natives.h"
#include "host/natives/entity_natives.h"
#include "host/natives/player_natives.h"
#include "platform/clock.h"
#include "platform/ticks.h"
#include "settings/respawn_settings.h"

KeyState keyStates[keyStateCount]{};
// No request may fire within 500 ms of the library being loaded.
uint32_t lastOnDemandTriggerTime = tickCount();

namespace {

constexpr uint32_t justReleasedMilliseconds = 100;
constexpr uint32_t heldDownMilliseconds = 5000;
constexpr uint32_t chordGuardMilliseconds = 500;

bool keyInRange(uint32_t key) { return key < keyStateCount; }

// Elapsed times are unsigned differences, so an entry stays valid across the
// wrap of the tick count and an old entry never looks fresh again.
uint32_t millisecondsSinceMessage(const KeyState& state) { return ticksSince(state.messageTime, tickCount()); }

bool chordGuardOpen() { return ticksSince(lastOnDemandTriggerTime, tickCount()) > chordGuardMilliseconds; }

bool localPlayerAliveAndFree() {
    uint32_t ped = localPlayerPed();
    if (ped == 0 || !entityExists(ped) || isEntityDead(ped)) return false;
    return !isPlayerBeingArrested(localPlayerId());
}

}  // namespace

void onKeyboardMessage(uint32_t key, uint16_t, uint8_t, int32_t, int32_t, int32_t, int32_t isUpNow) {
    if (!keyInRange(key)) return;
    keyStates[key].messageTime = tickCount();
    keyStates[key].released = static_cast<uint32_t>(isUpNow);
}

bool isKeyJustReleased(uint32_t key) {
    if (!keyInRange(key)) return false;
    KeyState& state = keyStates[key];
    if (millisecondsSinceMessage(state) >= justReleasedMilliseconds || state.released == 0) return false;
    state.messageTime = 0;
    state.released = 0;
    return true;
}

bool isKeyDown(uint32_t key) {
    if (!keyInRange(key)) return false;
    const KeyState& state = keyStates[key];
    return millisecondsSinceMessage(state) < heldDownMilliseconds && state.released == 0;
}

bool isControllerButtonHeld(int32_t control) { return settings.activate_controller && isControlPressed(control); }

bool isControllerButtonJustPressed(int32_t control) {
    return settings.activate_controller && isControlJustPressed(control);
}

bool keyboardChordTriggered() {
    uint32_t key1 = static_cast<uint32_t>(settings.respawn_on_demand_key_1_of_2);
    int32_t key2 = settings.respawn_on_demand_key_2_of_2;
    bool guardOpen = chordGuardOpen();
    if (guardOpen && key2 == -1 && isKeyJustReleased(key1)) return true;
    if (!guardOpen || key2 == -1 || !keyInRange(key1)) return false;
    return isKeyDown(key1) && isKeyJustReleased(static_cast<uint32_t>(key2));
}

bool controllerChordTriggered() {
    int32_t button1 = settings.respawn_on_demand_controller_button_1_of_2;
    int32_t button2 = settings.respawn_on_demand_controller_button_2_of_2;
    bool guardOpen = chordGuardOpen();
    if (guardOpen && button2 == -1) {
        if (!isControllerButtonJustPressed(button1)) return false;
        lastOnDemandTriggerTime = tickCount();
        return true;
    }
    if (!guardOpen || !isControllerButtonHeld(button1)) return false;
    if (!isControllerButtonJustPressed(button2)) return false;
    lastOnDemandTriggerTime = tickCount();
    return true;
}

bool respawnOnDemandRequested() {
    if (!isScreenFadedIn() || !localPlayerAliveAndFree()) return false;
    return keyboardChordTriggered() || controllerChordTriggered();
}
