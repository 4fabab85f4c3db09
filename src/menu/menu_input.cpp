#include "menu/menu_input.h"

#include <cstdint>

#include "host/keyboard.h"
#include "host/natives/control_natives.h"
#include "host/natives/hud_natives.h"
#include "platform/clock.h"
#include "platform/ticks.h"

namespace {

struct NavigationInput {
    MenuAction action;
    uint32_t key;      // virtual-key code
    int32_t control;   // the game's front-end control
    bool repeats;      // held down, it acts again and again
};

constexpr NavigationInput navigation[] = {
    {MenuAction::Up, 38, 188, true},     // up arrow, d-pad up
    {MenuAction::Down, 40, 187, true},   // down arrow, d-pad down
    {MenuAction::Left, 37, 189, true},   // left arrow, d-pad left
    {MenuAction::Right, 39, 190, true},  // right arrow, d-pad right
    {MenuAction::Accept, 13, 201, false},  // Enter, accept (A)
    {MenuAction::Back, 8, 202, false},     // Backspace, cancel (B)
};
constexpr int navigationCount = static_cast<int>(sizeof navigation / sizeof navigation[0]);
constexpr int32_t cursorScrollUp = 241, cursorScrollDown = 242;  // the mouse wheel's notches
constexpr int32_t cursorAccept = 237, cursorX = 239, cursorY = 240;  // the left button, where the cursor is

constexpr uint32_t firstRepeatMilliseconds = 400;
constexpr uint32_t repeatMilliseconds = 90;

uint32_t pressesSeen[navigationCount] = {};
int heldInput = -1;  // the repeating input last pressed, -1 when none
uint32_t nextRepeatTime = 0;

// With the controller in use, key presses are taken as seen: they do not act later.
bool pressed(int i, bool keyboard) {
    uint32_t presses = keyPressCount(navigation[i].key);
    bool keyPressed = presses != pressesSeen[i];
    pressesSeen[i] = presses;
    return keyboard ? keyPressed : isDisabledControlJustPressed(navigation[i].control);
}

bool stillHeld(int i, bool keyboard) {
    return keyboard ? isKeyDown(navigation[i].key) : isDisabledControlPressed(navigation[i].control);
}

}  // namespace

void resetMenuInput() {
    for (int i = 0; i < navigationCount; ++i) pressesSeen[i] = keyPressCount(navigation[i].key);
    heldInput = -1;
}

MenuAction readMenuAction(bool keyboard) {
    // The mouse wheel moves a line a notch.
    if (isDisabledControlJustPressed(cursorScrollUp)) return MenuAction::Up;
    if (isDisabledControlJustPressed(cursorScrollDown)) return MenuAction::Down;
    uint32_t now = tickCount();
    for (int i = 0; i < navigationCount; ++i) {
        if (!pressed(i, keyboard)) continue;
        heldInput = navigation[i].repeats ? i : -1;
        nextRepeatTime = now + firstRepeatMilliseconds;
        return navigation[i].action;
    }
    if (heldInput < 0) return MenuAction::None;
    if (!stillHeld(heldInput, keyboard)) {
        heldInput = -1;
        return MenuAction::None;
    }
    if (!tickReached(now, nextRepeatTime)) return MenuAction::None;
    nextRepeatTime = now + repeatMilliseconds;
    return navigation[heldInput].action;
}

MenuClick showCursorAndReadClick() {
    setMouseCursorThisFrame();
    // Where the cursor stands is asked only on a click: most frames have none.
    if (!isDisabledControlJustPressed(cursorAccept)) return MenuClick{false, 0, 0};
    return MenuClick{true, getDisabledControlNormal(cursorX), getDisabledControlNormal(cursorY)};
}
