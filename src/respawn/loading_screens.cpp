// PLACEHOLDER: to be replaced by the real implementation.
#include "respawn/loading_screens.h"

void watchLoadingScreens() {}
void rescueBlackScreen() {}
bool loadingScreenSeen{};
uint32_t loadingScreenEndTime{};
uint32_t lastNotFadedOutTime{};
