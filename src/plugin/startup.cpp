#include "plugin/startup.h"

#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/player_natives.h"
#include "platform/clock.h"
#include "plugin/settings_check.h"
#include "respawn/loading_screens.h"
#include "shared/player_state.h"

void captureStartState() {
    playerId = localPlayerId();
    playerPed = localPlayerPed();
    lastPlayerModel = entityModel(playerPed);
    lastSettingsCheckTime = tickCount();
    lastMainCharacterModel = nameHash("player_zero");
    // Time before the script started is not a black screen it has seen.
    restartBlackScreenCount();
}
