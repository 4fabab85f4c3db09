#pragma once
// The keyboard state the host's keyboard messages leave behind: when each key
// last had a message and whether that message was a release. The handler runs
// on the thread that delivers keyboard messages; the script reads and resets
// entries, so each field is an atomic.
#include <atomic>
#include <cstdint>

struct KeyState {
    std::atomic<uint32_t> messageTime{0};
    std::atomic<uint32_t> released{0};
    // Presses since load: down messages of a key that was up (the repeats of a
    // held key not counted). Wraps; only its changes mean anything.
    std::atomic<uint32_t> presses{0};
    // The count of every key's presses when this key was last pressed, and
    // whether its last release came with no other key pressed while it was
    // held, nor held down at that moment.
    std::atomic<uint32_t> pressesAtPress{0};
    std::atomic<uint32_t> releasedAlone{0};
};

constexpr uint32_t keyStateCount = 255;
extern KeyState keyStates[keyStateCount];

void onKeyboardMessage(uint32_t key, uint16_t repeats, uint8_t scanCode, int32_t isExtended, int32_t isWithAlt,
                       int32_t wasDownBefore, int32_t isUpNow);
bool keyInRange(uint32_t key);
// Released within the last 100 ms; a true answer consumes the release.
bool isKeyJustReleased(uint32_t key);
// The same question without consuming the release.
bool isKeyReleasePending(uint32_t key);
// The key's last release came with no other key pressed while it was held (a
// chord of one key that another chord shares fires only then).
bool wasReleasedAlone(uint32_t key);
// Pressed within the last 5000 ms and not released since.
bool isKeyDown(uint32_t key);
// The key's press count (0 for a key of 255 or more): a reader that keeps the
// last count it saw finds every press, even one released before it looked.
uint32_t keyPressCount(uint32_t key);
