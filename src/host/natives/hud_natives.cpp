#include "host/natives/hud_natives.h"

#include "host/native_call.h"

void beginTextCommandThefeedPost(const char* componentType) { native::invoke(0x202709F4C58A0424ull, componentType); }

void addTextComponentSubstringPlayerName(const char* text) { native::invoke(0x6C188BE134E074AAull, text); }

void endTextCommandThefeedPostTicker(bool blink, bool showInBrief) {
    native::invoke(0x2ED7843F8F801023ull, blink, showInBrief);
}

void setMouseCursorThisFrame() { native::invoke(0xAAE7CE1D63167423ull); }
