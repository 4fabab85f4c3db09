#include "host/script_main.h"

#include "host/host_abi.h"
#include "host/input.h"
#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/player_natives.h"
#include "host/table_random.h"
#include "platform/clock.h"
#include "platform/settings_file.h"
#include "platform/ticks.h"
#include "respawn/death_handler.h"
#include "respawn/loading_screens.h"
#include "respawn/respawn_sequences.h"
#include "settings/notifications.h"
#include "settings/respawn_settings.h"
#include "skin/player_skin.h"

uint32_t lastSettingsCheckTime = 0;
bool notifyOnSettingsChange = true;
uint32_t modelAtLastCheck = 0;
uint32_t playerId = 0;
uint32_t playerPed = 0;
uint32_t lastPlayerModel = 0;
uint32_t lastMainCharacterModel = 0;

void scriptMain() {
    seedTableRandom(tickCount());
    runMainLoop();
}

void captureStartState() {
    playerId = localPlayerId();
    playerPed = localPlayerPed();
    lastPlayerModel = entityModel(playerPed);
    lastSettingsCheckTime = tickCount();
    lastMainCharacterModel = nameHash("player_zero");
}

uint32_t currentPlayerModel() { return entityModel(localPlayerPed()); }

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

void runSettingsCheck() {
    if (settingsFileExists()) {
        readSettings();
        if (settingsFileChanged() || lastSettingsCheckTime == 0) {
            if (skinWaitGateOpen()) enforceStoredSkin();
            if (notifyOnSettingsChange && lastSettingsCheckTime != 0) showNotification("Pelorin.ini modified");
            notifyOnSettingsChange = true;
        }
        if (skinChangedSinceLastCheck() && skinWaitGateOpen() && settings.player_ped_skin_upon_respawn == 3 &&
            loadingScreenSettled()) {
            writeStoredSkin(currentPlayerModel());
            notifyOnSettingsChange = false;
        }
    }
    modelAtLastCheck = currentPlayerModel();
    lastSettingsCheckTime = tickCount();
}

void runMainLoop() {
    captureStartState();
    if (!readSettings()) applyBuiltInSettings();
    settingsFileChanged();
    for (;;) {
        if (respawnOnDemandRequested()) respawnOnDemand(true);
        if (tickAfter(tickCount(), lastSettingsCheckTime + 1000) || lastSettingsCheckTime == 0) runSettingsCheck();
        handleDeathAndArrest();
        trackPlayerModel();
        showStartupBanner();
        host::scriptWait(0);
    }
}
