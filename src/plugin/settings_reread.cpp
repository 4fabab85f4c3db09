#include "plugin/settings_reread.h"

#include <cstdio>

#include "platform/clock.h"
#include "platform/ticks.h"
#include "respawn/loading_screens.h"
#include "respawn/player_options.h"
#include "shared/on_screen_text.h"
#include "settings_io/settings_store.h"
#include "settings/setting_limits.h"
#include "checker/findings_log.h"
#include "shared/event_log.h"
#include "shared/player_state.h"
#include "skin/player_skin.h"

namespace {

// The stored-skin steps run only when the previous check lies at least
// "wait_time_before_skin_change" back, as after a respawn sequence.
bool skinWaitGateOpen() {
    return tickReached(tickCount(),
                       playerState.lastSettingsCheckTime + skinChangeWaitMs(settings.wait_time_before_skin_change));
}

// A new stored skin waits "time_before_reset_skin" after the end of the last
// loading screen; before any loading screen was seen there is nothing to wait
// for (a signed comparison with a base of 0 would fail for half the tick range).
bool loadingScreenSettled() {
    return playerState.loadingScreenEndTime == 0 ||
           tickAfter(tickCount(), playerState.loadingScreenEndTime + skinResetDelayMs(settings.time_before_reset_skin));
}

// "Pelorin.ini modified", and when the check of the saved text found problems,
// how many and where they are explained.
void announceSave() {
    int problems = settingsProblemCount();
    if (problems == 0) {
        showNotification("Pelorin.ini modified");
        return;
    }
    char text[80];
    std::snprintf(text, sizeof text, "Pelorin.ini modified: %d problem%s, run pelorin-check.exe", problems,
                  problems == 1 ? "" : "s");
    showNotification(text);
}

// A write that failed (the file locked or read-only) is tried again at later
// checks; the log tells of it once, not every second.
void noteStoredSkinWrite(bool written) {
    if (!written && !playerState.storedSkinWritePending)
        logEvent("could not write stored_last_used_skin to Pelorin.ini; trying again");
    playerState.storedSkinWritePending = !written;
}

}  // namespace

bool settingsRereadDue() {
    return tickAfter(tickCount(), playerState.lastSettingsCheckTime + 1000) || playerState.lastSettingsCheckTime == 0 ||
           settingsReadWanted();
}

// The file is opened and parsed once: the stored skin is answered from the
// same read. Our own write of the stored skin records the file's new write
// time, so it is not announced, while the player's next save still is. A
// changed text is parsed a step per frame: until the last step the check
// stays due and does nothing else, so that it then acts as on a text read at
// once.
void runSettingsReread() {
    SettingsRead read = readSettingsForFrame();
    if (read == SettingsRead::Parsing) return;
    if (read == SettingsRead::Read) {
        holdSettingsRead(true);
        if (settingsFileChanged() || playerState.lastSettingsCheckTime == 0) {
            if (skinWaitGateOpen() && enforceStoredSkin()) applyOnDemandOptions();
            if (playerState.lastSettingsCheckTime != 0) announceSave();
            playerState.storedSkinWritePending = false;  // the player's save decides the stored skin
        }
        bool skinToStore = skinChangedSinceLastCheck() ||
                           (playerState.storedSkinWritePending && !playerState.heldSinceLastCheck && !isStoredSkinActive());
        // Written in steps over the next frames; while another write of ours
        // runs, at a later check.
        if (skinToStore && skinWaitGateOpen() && settings.player_ped_skin_upon_respawn == 3 && loadingScreenSettled() &&
            !startWritingStoredSkin(currentPlayerModel(), noteStoredSkinWrite))
            playerState.storedSkinWritePending = true;
        holdSettingsRead(false);
    }
    takeSkinAsSeenAtCheck();
    playerState.lastSettingsCheckTime = tickCount();
    flushEventLog(settings.write_log_file != 0);
}
