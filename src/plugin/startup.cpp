#include "plugin/startup.h"

#include <string>

#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/player_natives.h"
#include "host/script_entry.h"
#include "pelorin_version.h"
#include "platform/clock.h"
#include "plugin/settings_reread.h"
#include "respawn/loading_screens.h"
#include "ini/ini_reader.h"
#include "settings_io/settings_store.h"
#include "shared/event_log.h"
#include "shared/player_state.h"

void captureStartState() {
    playerState.playerId = playerId();
    playerState.playerPed = playerPedId();
    playerState.lastPlayerModel = getEntityModel(playerState.playerPed);
    playerState.lastSettingsCheckTime = tickCount();
    playerState.lastMainCharacterModel = getHashKey("player_zero");
    // Time before the script started is not a black screen it has seen.
    restartBlackScreenCount();
}

namespace {

// "write_log_file" as the file holds it, read without the settings record
// (whose reader would post notices through a host that is not there).
bool logFileWanted() {
    std::string text;
    ProfileSection section;
    return !readSettingsSection(&section, &text) || profileInt(section, "write_log_file", 0xFFFFFFFFu) != 0;
}

}  // namespace

void reportLibraryLoad(bool hostFound) {
    if (hostFound) {
        logEvent("Pelorin " PELORIN_VERSION " loaded; script host found");
        return;
    }
    logEvent("Pelorin " PELORIN_VERSION " loaded; no script host (ScriptHookV.dll) found, so it stays idle");
    flushEventLog(logFileWanted());
}
