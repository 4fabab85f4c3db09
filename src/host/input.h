#pragma once
// Keyboard state from the host's keyboard messages, and the respawn-on-demand
// chords (keyboard, and controller when enabled).
#include <atomic>
#include <cstdint>

struct KeyState {
    std::atomic<uint32_t> messageTime{0};
    std::atomic<uint32_t> released{0};
};

constexpr uint32_t keyStateCount = 255;
extern KeyState keyStates[keyStateCount];
extern uint32_t lastOnDemandTriggerTime;

void onKeyboardMessage(uint32_t key, uint16_t repeats, uint8_t scanCode, int32_t isExtended, int32_t isWithAlt,
                       int32_t wasDownBefore, int32_t isUpNow);
bool isKeyJustReleased(uint32_t key);
bool isKeyDown(uint32_t key);
bool isControllerButtonHeld(int32_t control);
bool isControllerButtonJustPressed(int32_t control);
bool keyboardChordTriggered();
bool controllerChordTriggered();
bool respawnOnDemandRequested();
