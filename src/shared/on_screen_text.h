#pragma once
// What the plug-in shows on the screen outside its menu: feed notifications
// and the respawn countdown line.
#include <cstdint>

void showNotification(const char* text);
void drawRespawnCountdown(uint32_t remainingMilliseconds);
