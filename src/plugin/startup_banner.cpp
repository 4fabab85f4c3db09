#include "plugin/startup_banner.h"

#include "host/natives/gameplay_natives.h"
#include "pelorin_version.h"
#include "settings_io/settings_file.h"
#include "shared/on_screen_text.h"
#include "shared/player_state.h"

// Shown once, on the first frame without a loading screen.
void showStartupBanner() {
    if (playerState.bannerShown || isLoadingScreenActive()) return;
    showNotification("Pelorin " PELORIN_VERSION " loaded");
    if (!settingsFileExists()) showNotification("Pelorin.ini was not found. Please install it.");
    playerState.bannerShown = true;
}
