#include "plugin/settings_check.h"

#include "platform/clock.h"
#include "platform/ticks.h"
#include "respawn/loading_screens.h"
#include "settings/notifications.h"
#include "settings/respawn_settings.h"
#include "shared/player_state.h"
#include "skin/player_skin.h"

uint32_t lastSettingsCheckTime = 0;
bool storedSkinWritePending = false;

namespace {

// The stored-skin steps run only when the previous check lies at least
// "wait_time_before_skin_change" back, as after a respawn sequence.
bool skinWaitGateOpen() {
    return tickReached(tickCount(), lastSettingsCheckTime + static_cast<uint32_t>(settings.wait_time_before_skin_change));
}

// A new stored skin waits "time_before_reset_skin" after the end of the last
// loading screen; before any loading screen was seen there is nothing to wait
// for (a signed comparison with a base of 0 would fail for half the tick range).
bool loadingScreenSettled() {
    return loadingScreenEndTime == 0 ||
           tickAfter(tickCount(), loadingScreenEndTime + static_cast<uint32_t>(settings.time_before_reset_skin));
}

}  // namespace

bool settingsCheckDue() {
    return tickAfter(tickCount(), lastSettingsCheckTime + 1000) || lastSettingsCheckTime == 0;
}

// The file is opened and parsed once: the stored skin is answered from the
// same read. Our own write of the stored skin records the file's new write
// time, so it is not announced, while the player's next save still is.
void runSettingsCheck() {
    if (readSettings()) {
        holdSettingsRead(true);
        if (settingsFileChanged() || lastSettingsCheckTime == 0) {
            if (skinWaitGateOpen()) enforceStoredSkin();
            if (lastSettingsCheckTime != 0) showNotification("Pelorin.ini modified");
            storedSkinWritePending = false;  // the player's save decides the stored skin
        }
        bool skinToStore = skinChangedSinceLastCheck() || (storedSkinWritePending && !isStoredSkinActive());
        if (skinToStore && skinWaitGateOpen() && settings.player_ped_skin_upon_respawn == 3 && loadingScreenSettled())
            storedSkinWritePending = !writeStoredSkin(currentPlayerModel());
        holdSettingsRead(false);
    }
    modelAtLastCheck = currentPlayerModel();
    lastSettingsCheckTime = tickCount();
}
