#include "shared/on_screen_text.h"

#include <cstdio>

#include "host/natives/gameplay_natives.h"
#include "host/natives/graphics_natives.h"
#include "host/natives/hud_natives.h"

void showNotification(const char* text) {
    beginNotification("STRING");
    addTextComponentString(text);
    postNotification(true, true);
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
    setTextDropShadow(0, 0, 0, 0, 0);
    setTextEdge(1, 0, 0, 0, 205);
    beginScreenText("STRING");
    addTextComponentString(text);
    drawScreenText(0.5f, 0.9f);
}
