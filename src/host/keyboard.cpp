#include "host/keyboard.h"

#include "platform/clock.h"
#include "platform/ticks.h"

KeyState keyStates[keyStateCount]{};

namespace {

constexpr uint32_t justReleasedMilliseconds = 100;
constexpr uint32_t heldDownMilliseconds = 5000;

// Elapsed times are unsigned differences, so an entry stays valid across the
// wrap of the tick count and an old entry never looks fresh again.
uint32_t millisecondsSinceMessage(const KeyState& state) { return ticksSince(state.messageTime, tickCount()); }

// Fresh presses of every key since load; wraps, only its changes mean anything.
std::atomic<uint32_t> allPresses{0};

bool anotherKeyDown(uint32_t key) {
    for (uint32_t other = 0; other < keyStateCount; ++other)
        if (other != key && isKeyDown(other)) return true;
    return false;
}

}  // namespace

bool keyInRange(uint32_t key) { return key < keyStateCount; }

void onKeyboardMessage(uint32_t key, uint16_t, uint8_t, int32_t, int32_t, int32_t wasDownBefore, int32_t isUpNow) {
    if (!keyInRange(key)) return;
    KeyState& state = keyStates[key];
    if (isUpNow)
        state.releasedAlone = static_cast<uint32_t>(allPresses == state.pressesAtPress && !anotherKeyDown(key));
    state.messageTime = tickCount();
    state.released = static_cast<uint32_t>(isUpNow);
    if (!isUpNow && !wasDownBefore) {
        ++state.presses;
        state.pressesAtPress = ++allPresses;
    }
}

bool isKeyReleasePending(uint32_t key) {
    if (!keyInRange(key)) return false;
    const KeyState& state = keyStates[key];
    return millisecondsSinceMessage(state) < justReleasedMilliseconds && state.released != 0;
}

bool isKeyJustReleased(uint32_t key) {
    if (!isKeyReleasePending(key)) return false;
    KeyState& state = keyStates[key];
    state.messageTime = 0;
    state.released = 0;
    return true;
}

bool isKeyDown(uint32_t key) {
    if (!keyInRange(key)) return false;
    const KeyState& state = keyStates[key];
    return millisecondsSinceMessage(state) < heldDownMilliseconds && state.released == 0;
}

bool wasReleasedAlone(uint32_t key) { return keyInRange(key) && keyStates[key].releasedAlone != 0; }

uint32_t keyPressCount(uint32_t key) { return keyInRange(key) ? keyStates[key].presses.load() : 0; }
