#include "plugin/chords.h"

#include "host/keyboard.h"
#include "host/natives/camera_natives.h"
#include "host/natives/control_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/player_natives.h"
#include "platform/clock.h"
#include "platform/ticks.h"
#include "settings/settings_record.h"
#include "shared/entities.h"
#include "shared/player_state.h"

namespace {

constexpr uint32_t chordGuardMilliseconds = 500;

bool chordGuardOpen() { return ticksSince(playerState.lastOnDemandTriggerTime, tickCount()) > chordGuardMilliseconds; }

bool localPlayerAliveAndFree() {
    uint32_t ped = playerPedId();
    if (!isEntityAlive(ped)) return false;
    return !isPlayerBeingArrested(playerId());
}

}  // namespace

bool isControllerButtonHeld(int32_t control) { return settings.activate_controller && isControlPressed(control); }

bool isControllerButtonJustPressed(int32_t control) {
    return settings.activate_controller && isControlJustPressed(control);
}

bool keyboardChordTriggered() {
    return keyChordTriggered(settings.respawn_on_demand_key_1_of_2, settings.respawn_on_demand_key_2_of_2);
}

bool keyChordTriggered(int32_t firstKey, int32_t key2) {
    uint32_t key1 = static_cast<uint32_t>(firstKey);
    bool guardOpen = chordGuardOpen();
    if (guardOpen && key2 == -1) return wasReleasedAlone(key1) && isKeyJustReleased(key1);
    if (!guardOpen || !keyInRange(key1)) return false;
    return isKeyDown(key1) && isKeyJustReleased(static_cast<uint32_t>(key2));
}

bool controllerChordTriggered() {
    int32_t button1 = settings.respawn_on_demand_controller_button_1_of_2;
    int32_t button2 = settings.respawn_on_demand_controller_button_2_of_2;
    bool guardOpen = chordGuardOpen();
    if (guardOpen && button2 == -1) {
        if (!isControllerButtonJustPressed(button1)) return false;
        playerState.lastOnDemandTriggerTime = tickCount();
        return true;
    }
    if (!guardOpen || !isControllerButtonHeld(button1)) return false;
    if (!isControllerButtonJustPressed(button2)) return false;
    playerState.lastOnDemandTriggerTime = tickCount();
    return true;
}

bool respawnOnDemandRequested() {
    if (!isScreenFadedIn() || !localPlayerAliveAndFree()) return false;
    return keyboardChordTriggered() || controllerChordTriggered();
}

// Recognised as the respawn chord is; keys missing from the settings (-1) never
// fire. The game is asked about the player only once the key that fires the
// chord has a fresh release, so an idle frame costs no native call.
bool saveSpawnPointRequested() {
    int32_t key1 = settings.save_spawn_point_key_1_of_2;
    int32_t key2 = settings.save_spawn_point_key_2_of_2;
    if (!isKeyReleasePending(static_cast<uint32_t>(key2 == -1 ? key1 : key2))) return false;
    if (!isScreenFadedIn() || !localPlayerAliveAndFree()) return false;
    return keyChordTriggered(key1, key2);
}

namespace {

// Hold button 1, press button 2; with button 2 at -1, pressing button 1 alone.
// Read with the questions that see controls the open menu disabled, so that
// the chord that opened it also closes it.
// Asked on every frame of the loop's pass, yet answered once per game frame:
// a press shows on one frame only, and must not toggle the menu twice.
bool menuControllerChordTriggered() {
    static int32_t frameAsked = 0;
    int32_t button1 = settings.menu_controller_button_1_of_2;
    int32_t button2 = settings.menu_controller_button_2_of_2;
    if (button1 < 0) return false;
    int32_t frame = getFrameCount();
    if (frame == frameAsked) return false;
    frameAsked = frame;
    if (button2 < 0) return isDisabledControlJustPressed(button1);
    return isDisabledControlPressed(button1) && isDisabledControlJustPressed(button2);
}

}  // namespace

// The keyboard chord is recognised as the save chord is, except that a
// missing key of either kind turns it off; the game is asked nothing until the
// key that fires it has a fresh release. The controller chord costs its
// questions every frame, but only when it is set.
bool menuChordTriggered() {
    if (menuControllerChordTriggered()) return true;
    int32_t key1 = settings.menu_key_1_of_2;
    int32_t key2 = settings.menu_key_2_of_2;
    if (key1 < 0 || key2 < 0 || !isKeyReleasePending(static_cast<uint32_t>(key2))) return false;
    return keyChordTriggered(key1, key2);
}
