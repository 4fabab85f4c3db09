#include "respawn/loading_screens.h"

#include "host/host_abi.h"
#include "host/natives/camera_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/player_natives.h"
#include "shared/entities.h"
#include "shared/event_log.h"
#include "shared/player_state.h"
#include "platform/clock.h"
#include "platform/ticks.h"
#include "respawn/death_handler.h"
#include "respawn/player_options.h"
#include "respawn/respawn_sequences.h"
#include "settings_io/settings_store.h"
#include "settings/setting_limits.h"
#include "skin/player_skin.h"
#include "spawn/spawn_mode.h"

namespace {

// The end of "wait_time_before_skin_change" is spent behind our black screen,
// at most this long (the shipped wait); a longer wait runs in view before it,
// with the main loop going on: a wait may be long, the dark must not be.
constexpr uint32_t longestBlackWaitMs = 3000;

// Asks whether a loading screen shows, and holds the rescue's count through
// it: the time in it is added to the last moment the screen was seen.
bool loadingScreenHoldsCount() {
    bool showing = getIsLoadingScreenActive();
    uint32_t now = tickCount();
    if (showing && !playerState.blackScreenCountHeld) playerState.blackScreenCountHeldSince = now;
    if (!showing && playerState.blackScreenCountHeld)
        playerState.lastNotFadedOutTime += ticksSince(playerState.blackScreenCountHeldSince, now);
    playerState.blackScreenCountHeld = showing;
    return showing;
}

// A screen fading out is on its way to black (the game's fade-out over a
// screen that is black already), not back in view: it does not restart the count.
void noteScreenNotFadedOut() {
    if (!isScreenFadingOut()) playerState.lastNotFadedOutTime = tickCount();
}

uint32_t blackWaitMs() {
    uint32_t wait = skinChangeWaitMs(settings.wait_time_before_skin_change);
    return wait < longestBlackWaitMs ? wait : longestBlackWaitMs;
}

bool followUpDropped() {
    if (settings.alter_spawn_after_mission == 0 && playerState.missionActive) return true;
    uint32_t ped = playerPedId();
    return !isExistingEntity(ped);
}

// Skin values 1 to 3, tested as one unsigned range so that 0 and negative
// values fall outside it.
bool skinPolicyApplies() {
    return static_cast<uint32_t>(settings.player_ped_skin_upon_respawn) - 1u < 3u;
}

// The game or another script may fade in during our wait: the move and the
// skin change come behind black all the same.
void keepScreenBlack() {
    if (!isScreenFadedOut()) doScreenFadeOut(0);
}

// The model loads first, over as many frames as it takes; the swap then comes
// on a frame made black again (the game or another script may fade in meanwhile).
void applyPostLoadingSkin() {
    if (!skinPolicyApplies()) return;
    uint32_t model = settings.player_ped_skin_upon_respawn == 3 ? readStoredSkin() : pickRandomSkin();
    preloadSkinModel(model);
    keepScreenBlack();
    changePlayerSkin(model);
}

// Alive and not being arrested: a player in the game's death or arrest
// sequence is neither moved nor re-skinned; the follow-up waits for its end.
bool playerFree() { return isEntityAlive(playerPedId()) && !isPlayerBeingArrested(playerId()); }

// Behind a black screen: the end of the wait, the automatic respawn, the skin,
// the options, then the fade-in. False when a death or arrest came during the
// wait: the screen is given back and the follow-up is still to run.
bool runPostLoadingFollowUp() {
    doScreenFadeOut(0);
    host::scriptWait(blackWaitMs());
    if (!playerFree()) {
        doScreenFadeIn(500);
        return false;
    }
    keepScreenBlack();
    if (settings.use_respawn_on_demand_automatically != 0) {
        respawnOnDemand(false);
        keepScreenBlack();
        host::scriptWait(0);
    }
    applyPostLoadingSkin();
    // Stars the player came out of the loading screen with are cleared.
    if (getPlayerWantedLevel(playerId()) > 0) clearPlayerWantedLevel(playerId());
    host::scriptWait(0);
    applyOnDemandOptions();
    doScreenFadeIn(500);
    return true;
}

}  // namespace

// The follow-up is due "wait_time_before_skin_change" after the loading
// screen, once the player is free; its black screen covers only the end of
// that wait.
void watchLoadingScreens() {
    while (loadingScreenHoldsCount()) {
        playerState.loadingScreenSeen = true;
        notePlayerHeld();
        host::scriptWait(0);
    }
    if (playerState.loadingScreenSeen) {
        playerState.loadingScreenEndTime = tickCount();
        logEvent("a loading screen ended");
        readSettings();
    }
    if (followUpDropped()) {
        if (playerState.loadingScreenSeen || playerState.followUpPending)
            logEvent("nothing done after the loading screen: a mission runs, or you have no character yet");
        playerState.loadingScreenSeen = playerState.followUpPending = false;
        return;
    }
    if (playerState.loadingScreenSeen &&
        (skinPolicyApplies() || settings.use_respawn_on_demand_automatically != 0)) {
        uint32_t inView = skinChangeWaitMs(settings.wait_time_before_skin_change) - blackWaitMs();
        if (inView != 0)
            logEvent("after the loading screen Pelorin waits %.1f s (wait_time_before_skin_change); you play on",
                     secondsOf(inView + blackWaitMs()));
        playerState.followUpPending = true;
        playerState.followUpDueTime = tickCount() + inView;
    }
    playerState.loadingScreenSeen = false;
    if (!postLoadingFollowUpDue()) return;
    playerState.followUpPending = !runPostLoadingFollowUp();
    restartBlackScreenCount();
}

bool postLoadingFollowUpDue() {
    return playerState.followUpPending && tickReached(tickCount(), playerState.followUpDueTime) && playerFree() &&
           !followUpDropped();
}

void rescueBlackScreen() {
    if (!isScreenFadedOut()) {
        noteScreenNotFadedOut();
        return;
    }
    if (!isScreenFadedOut()) return;
    // An elapsed time, so the count works across the wrap of the tick count.
    if (ticksSince(playerState.lastNotFadedOutTime, tickCount()) <= blackScreenRescueMs) return;
    if (isExistingEntity(playerPedId()) && !isStoryCharacter(playerState.lastPlayerModel)) {
        logEvent("the screen stayed black for %u s: your skin back, a respawn on demand, and the screen faded in",
                 static_cast<unsigned>(blackScreenRescueMs / 1000));
        // Black of our own for the swaps and the move: the fade that held the
        // screen may be lifting in this very frame.
        doScreenFadeOut(0);
        resetToPlayerZero();
        host::scriptWait(0);
        restoreSkinAfterDeath(playerState.lastPlayerModel);
        respawnOnDemand(false);
        playFocusSound();
        doScreenFadeIn(500);
    } else {
        // A story character needs no new skin or place, but the screen must
        // not stay black.
        doScreenFadeIn(500);
    }
    restartBlackScreenCount();
}

// Inside an episode the rescue only fades in: the episode itself brings the
// player back, and it must not be moved or re-skinned under its feet.
void rescueBlackScreenDuringEpisode() {
    if (loadingScreenHoldsCount()) return;
    if (!isScreenFadedOut()) {
        noteScreenNotFadedOut();
        return;
    }
    if (ticksSince(playerState.lastNotFadedOutTime, tickCount()) <= blackScreenRescueMs) return;
    logEvent("the screen stayed black for %u s during a death or arrest: faded in",
             static_cast<unsigned>(blackScreenRescueMs / 1000));
    doScreenFadeIn(500);
    restartBlackScreenCount();
}

void restartBlackScreenCount() { playerState.lastNotFadedOutTime = tickCount(); }
