// PLACEHOLDER: to be replaced by the real implementation.
#include "host/input.h"

void onKeyboardMessage(uint32_t key, uint16_t repeats, uint8_t scanCode, int32_t isExtended, int32_t isWithAlt, int32_t wasDownBefore, int32_t isUpNow) {}
bool isKeyJustReleased(uint32_t key) { return {}; }
bool isKeyDown(uint32_t key) { return {}; }
bool isControllerButtonHeld(int32_t control) { return {}; }
bool isControllerButtonJustPressed(int32_t control) { return {}; }
bool keyboardChordTriggered() { return {}; }
bool controllerChordTriggered() { return {}; }
bool respawnOnDemandRequested() { return {}; }
KeyState keyStates[keyStateCount]{};
uint32_t lastOnDemandTriggerTime{};
