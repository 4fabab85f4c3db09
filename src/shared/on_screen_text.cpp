#include "shared/on_screen_text.h"

#include <cstdio>
#include <cstring>

#include "host/natives/gameplay_natives.h"
#include "host/natives/graphics_natives.h"
#include "host/natives/hud_natives.h"

void addLongTextComponent(const char* text) {
    size_t left = std::strlen(text);
    do {
        size_t length = left;
        if (length > textComponentLimit) {
            length = textComponentLimit;
            // Back to the first byte of a character: a UTF-8 continuation byte is 10xxxxxx.
            while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
            if (length == 0) length = textComponentLimit;
        }
        char component[textComponentLimit + 1];
        std::memcpy(component, text, length);
        component[length] = '\0';
        addTextComponentSubstringPlayerName(component);
        text += length;
        left -= length;
    } while (left > 0);
}

void showNotification(const char* text) {
    beginTextCommandThefeedPost("STRING");
    addLongTextComponent(text);
    endTextCommandThefeedPostTicker(true, true);
}

// Green, mostly opaque, centred, 90 % down the screen, with an outline and a
// dark edge; drawn for the current frame only.
void drawRespawnCountdown(uint32_t remainingMilliseconds) {
    char text[32];  // "Respawn in max " and at most 7 digits
    std::snprintf(text, sizeof text, "Respawn in max %lu", static_cast<unsigned long>(remainingMilliseconds / 1000u));
    setTextColour(0, 255, 0, 230);
    setTextFont(7);
    setTextScale(1.0f, 0.8f);
    setTextWrap(0.0f, 1.0f);
    setTextCentre(true);
    setTextOutline();
    setTextDropshadow(0, 0, 0, 0, 0);
    setTextEdge(1, 0, 0, 0, 205);
    beginTextCommandDisplayText("STRING");
    addLongTextComponent(text);
    endTextCommandDisplayText(0.5f, 0.9f);
}
