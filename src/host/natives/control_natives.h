#pragma once
// Game controls (keyboard, mouse and controller as the game maps them): read
// in control group 2, and disabled for the current frame in the player's
// group 0. A disabled control reads as not pressed to everyone but the
// "disabled" questions.
#include <cstdint>

bool isControlPressed(int32_t control);                    // 0xF3A21BCD95725A4A IS_CONTROL_PRESSED (2, control)
bool isControlJustPressed(int32_t control);                // 0x580417101DDB492F IS_CONTROL_JUST_PRESSED (2, control)
bool isDisabledControlPressed(int32_t control);            // 0xE2587F8CBBD87B1D IS_DISABLED_CONTROL_PRESSED (2, control)
bool isDisabledControlJustPressed(int32_t control);        // 0x91AEF906BCA88877 IS_DISABLED_CONTROL_JUST_PRESSED (2, control)
void disableControlAction(int32_t control);                // 0xFE99B66D079CF6BC DISABLE_CONTROL_ACTION (0, control, 1)
// A control's value from 0 to 1, read as the disabled questions read it: the
// mouse cursor's position (controls 239 and 240) in fractions of the screen's
// width and height from its top left corner.
float getDisabledControlNormal(int32_t control);           // 0x11E65974A982637C GET_DISABLED_CONTROL_NORMAL (2, control)
// The player's last input came from keyboard or mouse rather than a controller.
bool isUsingKeyboardAndMouse();                            // 0xA571D46727E2B718 IS_USING_KEYBOARD_AND_MOUSE (2)
// The glyph of a control for the instructional buttons, of the input in use
// ("t_Enter" for a key, "b_..." for a controller's button); the game's own text.
const char* getControlInstructionalButtonsString(int32_t control);  // 0x0499D7B09FC9B407 GET_CONTROL_INSTRUCTIONAL_BUTTONS_STRING (2, control, 1)
