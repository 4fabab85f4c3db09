#pragma once
// Game controls of control group 2 (keyboard, mouse and controller as the game maps them).
#include <cstdint>

bool isControlPressed(int32_t control);                    // 0xF3A21BCD95725A4A (2, control)
bool isControlJustPressed(int32_t control);                // 0x580417101DDB492F (2, control)
