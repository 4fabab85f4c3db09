#pragma once
// The respawn-on-demand chords: a two-key keyboard chord, and a two-button
// controller chord when the settings enable it.
#include <cstdint>

extern uint32_t lastOnDemandTriggerTime;

bool isControllerButtonHeld(int32_t control);
bool isControllerButtonJustPressed(int32_t control);
bool keyboardChordTriggered();
bool controllerChordTriggered();
bool respawnOnDemandRequested();
