#include "respawn/loading_screens.h"

#include "host/host_abi.h"
#include "host/natives/camera_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/ped_natives.h"
#include "host/natives/player_natives.h"
#include "shared/entities.h"
#include "shared/event_log.h"
#include "shared/player_state.h"
#include "platform/clock.h"
#include "platform/ticks.h"
#include "respawn/death_handler.h"
#include "respawn/player_options.h"
#include "respawn/respawn_sequences.h"
#include "settings/respawn_settings.h"
#include "settings/setting_limits.h"
#include "skin/player_skin.h"
#include "spawn/spawn_mode.h"

namespace {

constexpr uint32_t blackScreenRescueMilliseconds = 80000;

bool followUpDropped() {
    if (settings.alter_spawn_after_mission == 0 && playerState.missionActive) return true;
    uint32_t ped = localPlayerPed();
    return !isExistingEntity(ped);
}

// Skin values 1 to 3, tested as one unsigned range so that 0 and negative
// values fall outside it.
bool skinPolicyApplies() {
    return static_cast<uint32_t>(settings.player_ped_skin_upon_respawn) - 1u < 3u;
}

void applyPostLoadingSkin() {
    int32_t policy = settings.player_ped_skin_upon_respawn;
    if (policy == 1 || policy == 2)
        changePlayerSkin(pickRandomSkin());
    else if (policy == 3)
        changePlayerSkin(readStoredSkin());
}

void applyPostLoadingOptions() {
    int32_t options = settings.weapons_and_armor_settings_affecting_respawn_on_demand;
    bool wearsOtherSkin = !isStoryCharacter(playerState.lastPlayerModel);
    if (options == 1 || options == 2) applyWeaponsOption(wearsOtherSkin);
    if (options == 1 || options == 3) applyArmourOption(wearsOtherSkin);
}

// Behind a black screen: the wait, the automatic respawn, the skin, the
// options, then the fade-in.
void runPostLoadingFollowUp() {
    fadeScreenOut(0);
    host::scriptWait(skinChangeWaitMs(settings.wait_time_before_skin_change));
    if (settings.use_respawn_on_demand_automatically != 0) {
        respawnOnDemand(false);
        if (!isScreenFadedOut()) fadeScreenOut(0);
        host::scriptWait(0);
    }
    applyPostLoadingSkin();
    if (postLoadingPedTest(localPlayerPed())) postLoadingPedAction(localPlayerPed());
    host::scriptWait(0);
    applyPostLoadingOptions();
    fadeScreenIn(500);
}

}  // namespace

void watchLoadingScreens() {
    while (isLoadingScreenActive()) {
        playerState.loadingScreenSeen = true;
        host::scriptWait(0);
    }
    if (playerState.loadingScreenSeen) {
        playerState.loadingScreenEndTime = tickCount();
        logEvent("a loading screen ended");
        // Time in a loading screen is not a black screen left behind.
        restartBlackScreenCount();
        readSettings();
    }
    if (followUpDropped()) {
        if (playerState.loadingScreenSeen)
            logEvent("nothing done after the loading screen: a mission runs, or you have no character yet");
        playerState.loadingScreenSeen = false;
        return;
    }
    if (!playerState.loadingScreenSeen) return;
    if (skinPolicyApplies() || settings.use_respawn_on_demand_automatically != 0) {
        runPostLoadingFollowUp();
        restartBlackScreenCount();
    }
    playerState.loadingScreenSeen = false;
}

void rescueBlackScreen() {
    if (!isScreenFadedOut()) {
        playerState.lastNotFadedOutTime = tickCount();
        return;
    }
    if (!isScreenFadedOut()) return;
    // An elapsed time, so the count works across the wrap of the tick count.
    if (ticksSince(playerState.lastNotFadedOutTime, tickCount()) <= blackScreenRescueMilliseconds) return;
    if (isExistingEntity(localPlayerPed()) && !isStoryCharacter(playerState.lastPlayerModel)) {
        logEvent("the screen stayed black for 80 s: your skin back, a respawn on demand, and the screen faded in");
        resetToPlayerZero();
        host::scriptWait(0);
        restoreSkinAfterDeath(playerState.lastPlayerModel);
        respawnOnDemand(false);
        playFocusSound();
        fadeScreenIn(500);
    } else {
        // A story character needs no new skin or place, but the screen must
        // not stay black.
        fadeScreenIn(500);
    }
    restartBlackScreenCount();
}

void restartBlackScreenCount() { playerState.lastNotFadedOutTime = tickCount(); }
