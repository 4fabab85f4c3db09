#pragma once
// The notification feed, text components shared by feed and screen text, and
// the mouse cursor.
#include <cstdint>

void beginTextCommandThefeedPost(const char* componentType);  // 0x202709F4C58A0424 BEGIN_TEXT_COMMAND_THEFEED_POST
void addTextComponentSubstringPlayerName(const char* text);  // 0x6C188BE134E074AA ADD_TEXT_COMPONENT_SUBSTRING_PLAYER_NAME
void endTextCommandThefeedPostTicker(bool blink, bool showInBrief);  // 0x2ED7843F8F801023 END_TEXT_COMMAND_THEFEED_POST_TICKER
// The game's mouse cursor shows on this frame (it hides again unless asked for
// on the next).
void setMouseCursorThisFrame();                            // 0xAAE7CE1D63167423 SET_MOUSE_CURSOR_THIS_FRAME
