// PLACEHOLDER: to be replaced by the real implementation.
#include "settings/notifications.h"

void showNotification(const char* text) {}
void showStartupBanner() {}
void drawRespawnCountdown(uint32_t remainingMilliseconds) {}
bool bannerShown{};
