#pragma once
// Messages to the player: feed notifications, the start-up banner and the
// respawn countdown line.
#include <cstdint>

void showNotification(const char* text);
void showStartupBanner();
void drawRespawnCountdown(uint32_t remainingMilliseconds);
