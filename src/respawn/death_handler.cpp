#include "respawn/death_handler.h"

#include "host/host_abi.h"
#include "host/natives/camera_natives.h"
#include "host/natives/control_natives.h"
#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/graphics_natives.h"
#include "host/natives/ped_natives.h"
#include "host/natives/player_natives.h"
#include "host/natives/streaming_natives.h"
#include "shared/entities.h"
#include "shared/event_log.h"
#include "shared/player_state.h"
#include "platform/clock.h"
#include "platform/ticks.h"
#include "respawn/loading_screens.h"
#include "respawn/player_options.h"
#include "respawn/respawn_sequences.h"
#include "shared/on_screen_text.h"
#include "settings/settings_record.h"
#include "settings/setting_limits.h"
#include "skin/player_skin.h"
#include "vehicles/vehicle_spawn.h"

namespace {

// What one death or arrest episode remembers while it runs.
struct DeathEpisode {
    bool deathEffectSeen = false;
    bool skinResetDone = false;
    // The game has faded its screen out since the reset: only then has it
    // started to bring back the player that the reset left standing.
    bool fadedOutSinceReset = false;
    bool otherSkinAtDetection = false;
    bool screenTouched = false;  // the take-over cut to black and faded in
    int32_t savedViewMode = 0;
    float savedFieldOfView = 0.0f;
};

// How the wait for the game's respawn found the player.
enum class PlayerBack { No, InView, InTheDark };

constexpr uint32_t countdownDelayMilliseconds = 7500;
constexpr uint32_t lateCountdownMilliseconds = 40000;
constexpr float gameRespawnLimitMilliseconds = 30000.0f;
constexpr int32_t wastedScreenViewMode = 2;
constexpr float wastedScreenFieldOfView = 130.0f;
// After a reset the game needs a few seconds to fade out and bring the player back.
constexpr uint32_t latestSkinResetBeforeDeadlineMs = 5000;
// At normal speed the game fades in within a few seconds of putting the player
// back; a living, free player left behind a black screen this long stays in
// the dark (a mission's fail screen that never fades in, another script).
constexpr uint32_t livingPlayerInTheDarkMs = 10000;

// The controls that hand a respawn vehicle back to the player, in test order.
constexpr int32_t autoDriveCancelControls[] = {28, 23, 29, 8, 9, 18, 32, 34, 216, 232, 233, 234, 235, 330, 331};

// The slow-motion setting as the deadline table and the countdown compare it:
// the single-precision value widened to double.
double slowMotionSetting() { return static_cast<double>(settings.slow_motion_at_wasted_and_busted_screens); }

bool wearsOtherSkin() { return !isStoryCharacter(playerState.lastPlayerModel); }

// Requests "player_zero" and waits for it. The load is bounded as for any skin
// change: the model is set all the same.
uint32_t loadPlayerZero() {
    uint32_t model = getHashKey("player_zero");
    requestModel(model);
    uint32_t requestTime = tickCount();
    while (!hasModelLoaded(model) && ticksSince(requestTime, tickCount()) < skinModelLoadLimitMs) host::scriptWait(0);
    if (ticksSince(requestTime, tickCount()) >= skinModelLoadLimitMs)
        logEvent("Michael (player_zero) did not load within %.0f s: put on all the same",
                 secondsOf(skinModelLoadLimitMs));
    return model;
}

void setPlayerZero(uint32_t model) {
    setPlayerModel(playerId(), model);
    setPedDefaultComponentVariation(playerPedId());
    setModelAsNoLongerNeeded(model);
    playerState.playerPed = playerPedId();
    playerState.playerId = playerId();
}

uint32_t millisecondsSinceDeath() { return ticksSince(playerState.deathTime, tickCount()); }

bool episodeDetected() {
    if (isEntityDead(playerPedId())) return true;
    return isPlayerBeingArrested(playerId());
}

void enterDeathScreen(DeathEpisode& episode) {
    // The game puts only its story characters on the player: another skin worn
    // now is his own, also one he took since the tracker's last look (a chord
    // just before), and it is the one to give back.
    uint32_t worn = currentPlayerModel();
    if (worn != 0 && !isStoryCharacter(worn)) playerState.lastPlayerModel = worn;
    episode.otherSkinAtDetection = wearsOtherSkin();
    playerState.wasBusted = !isEntityDead(playerPedId());
    logEvent("%s at (%.1f, %.1f, %.1f)", playerState.wasBusted ? "busted" : "wasted", playerState.lastPlayerPosition.x,
             playerState.lastPlayerPosition.y, playerState.lastPlayerPosition.z);
    episode.savedViewMode = getFollowPedCamViewMode();
    episode.savedFieldOfView = getGameplayCamFov();
    computeRespawnDeadline();
    episode.deathEffectSeen = false;
    episode.skinResetDone = false;
}

// The first wait is measured as an elapsed time, so it ends even when the tick
// count wraps during the episode; the comparison stays in single precision.
bool firstWaitOver() {
    return static_cast<float>(millisecondsSinceDeath()) >= deathScreenWaitMs(settings.first_wait_time);
}

// The slow motion as the game gets it: a time scale of 0 or below, or not a
// number, would stop the game for good, so such a setting means normal speed.
void applyWastedScreenLook() {
    setTimeScale(wastedScreenTimeScale(settings.slow_motion_at_wasted_and_busted_screens));
    uint32_t camera = getRenderingCam();
    setFollowPedCamViewMode(wastedScreenViewMode);
    setCamFov(camera, wastedScreenFieldOfView);
}

void drawCountdownIfDue() {
    if (!(slowMotionSetting() >= 0.1 || millisecondsSinceDeath() > lateCountdownMilliseconds)) return;
    uint32_t now = tickCount();
    drawRespawnCountdown(tickAfter(now, playerState.respawnDeadline) ? 0u : playerState.respawnDeadline - now);
}

bool playerBackAfterDeath() {
    uint32_t ped = playerPedId();
    return isExistingEntity(ped) && !isEntityDead(ped) && !isPlayerBeingArrested(playerId());
}

bool playerBackAfterArrest() {
    uint32_t ped = playerPedId();
    return ped != 0 && !isPlayerBeingArrested(playerId()) && isExistingEntity(ped);
}

bool screenPhaseOver(const char* how) {
    logEvent("the %s screen ended after %.1f s: %s", playerState.wasBusted ? "busted" : "wasted",
             secondsOf(millisecondsSinceDeath()), how);
    return true;
}

void logGameRespawnWait(uint32_t waited, PlayerBack back) {
    if (back == PlayerBack::InView)
        logEvent("the game brought you back after %.1f s", secondsOf(waited));
    else if (back == PlayerBack::InTheDark)
        logEvent("the game brought you back after %.1f s but left the screen black: Pelorin goes on",
                 secondsOf(waited));
    else
        logEvent("the game did not bring you back within %.0f s: Pelorin goes on without it",
                 secondsOf(static_cast<uint32_t>(gameRespawnLimitMilliseconds)));
}

// Who chose the place, and the end of the episode, which is written out at once.
void logTakeOver() {
    const char* how = settings.random_player_respawns == 0 ? "where the game put you (random_player_respawns=0)"
                      : settings.alter_spawn_after_mission != 0 || !playerState.missionActive
                          ? "at the place Pelorin chose"
                          : "where the game put you (a mission runs; alter_spawn_after_mission=0)";
    logEvent("back in play %.1f s after the %s, %s", secondsOf(millisecondsSinceDeath()),
             playerState.wasBusted ? "arrest" : "death", how);
    flushEventLog(settings.write_log_file != 0);
}

// The skin worn now counts as well as the one last seen alive: a skin changed
// in the pass that found the episode (after a loading screen) or during an
// arrest is one the skin tracker has not seen.
bool wearsOtherSkinNow() {
    uint32_t ped = playerPedId();
    return isExistingEntity(ped) && !isStoryCharacter(getEntityModel(ped));
}

// Dead, or being arrested: the game's sequence still holds the player. A
// player it has let go (an arrest called off, a skin the game brought back by
// itself) is free in full view; a reset would swap his skin before his eyes
// and leave the game no sequence to bring him back with.
bool playerHeldBySequence() {
    uint32_t ped = playerPedId();
    return isExistingEntity(ped) && (isEntityDead(ped) || isPlayerBeingArrested(playerId()));
}

bool skinResetPending(const DeathEpisode& episode) {
    if (episode.skinResetDone) return false;
    bool otherSkin =
        (episode.otherSkinAtDetection && !isStoryCharacter(playerState.lastPlayerModel)) || wearsOtherSkinNow();
    return otherSkin && playerHeldBySequence();
}

// Another skin worn at detection and still worn: the game brings back only its
// own characters, so it is reset to one of them once in the episode: after
// the death effect and "time_before_reset_skin", and at the latest a few
// seconds before the deadline (effect or not), so that the game can still
// bring the player back; otherwise every pass would find him dead again.
// Only while the sequence still holds him (see playerHeldBySequence).
bool skinResetDue(const DeathEpisode& episode) {
    if (!skinResetPending(episode)) return false;
    uint32_t now = tickCount();
    if (episode.deathEffectSeen &&
        tickAfter(now, playerState.deathTime + skinResetDelayMs(settings.time_before_reset_skin)))
        return true;
    return tickAfter(now, playerState.respawnDeadline - latestSkinResetBeforeDeadlineMs);
}

// The model loads over a few frames, during which the game may let the player
// go (an arrest called off): he is reset only if it still holds him then.
void resetSkinOnce(DeathEpisode& episode) {
    uint32_t model = loadPlayerZero();
    if (!playerHeldBySequence()) {
        setModelAsNoLongerNeeded(model);
        return;
    }
    logEvent("you wore another skin: Michael (player_zero) put on, so that the game can bring you back");
    setPlayerZero(model);
    episode.skinResetDone = true;
}

// One frame of the wasted or busted screen; true when the screen phase ends.
bool deathScreenFrame(DeathEpisode& episode) {
    bool fadedOut = isScreenFadedOut();
    if (fadedOut && episode.skinResetDone) episode.fadedOutSinceReset = true;
    if (fadedOut && episode.deathEffectSeen && firstWaitOver()) {
        // A screen that was black before the episode (a mission's fail screen,
        // another script) ends the phase before the game has faded out: the
        // reset still pending is made now, or the game could never bring the
        // player back and every pass would find a new episode.
        if (skinResetPending(episode)) resetSkinOnce(episode);
        return screenPhaseOver("the game faded out");
    }
    if (!isScreenFadedOut()) applyWastedScreenLook();
    if (!episode.deathEffectSeen && animpostfxIsRunning("DeathFailOut")) episode.deathEffectSeen = true;
    if (!isScreenFadedOut() && (episode.deathEffectSeen || isEntityDead(playerPedId()))) animpostfxStopAll();
    if (skinResetDue(episode)) resetSkinOnce(episode);
    if (millisecondsSinceDeath() <= countdownDelayMilliseconds) return false;
    bool fadedIn = isScreenFadedIn();
    if (fadedIn) drawCountdownIfDue();
    // The deadline ends the phase whatever the screen shows: a screen that the
    // game leaves faded out would otherwise hold the main loop for good.
    if (tickAfter(tickCount(), playerState.respawnDeadline)) return screenPhaseOver("its longest wait was over");
    if (!fadedIn) return false;
    if (!playerState.wasBusted && playerBackAfterDeath()) {
        episode.deathEffectSeen = false;
        return false;
    }
    if (playerState.wasBusted && playerBackAfterArrest()) episode.deathEffectSeen = false;
    return false;
}

// Each frame of the episode also keeps the black-screen rescue's count.
void runDeathScreen(DeathEpisode& episode) {
    enterDeathScreen(episode);
    while (!deathScreenFrame(episode)) {
        rescueBlackScreenDuringEpisode();
        host::scriptWait(0);
    }
}

// An arrested player is alive all along: he is back only once the arrest is
// over, or the take-over would run during it and the next pass would find a
// new arrest. Likewise the reset leaves a living player standing before the
// game has brought him back: he is back only after the game's fade-out since.
// A living player on a black screen that is not fading in is back in the dark.
PlayerBack gameShowsLivingPlayer(DeathEpisode& episode) {
    if (episode.skinResetDone && !episode.fadedOutSinceReset) {
        episode.fadedOutSinceReset = isScreenFadedOut();
        return PlayerBack::No;
    }
    uint32_t ped = playerPedId();
    if (!(isEntityAlive(ped) && !isPlayerBeingArrested(playerId()) && !isScreenFadingOut()))
        return PlayerBack::No;
    return !isScreenFadedOut() || isScreenFadingIn() ? PlayerBack::InView : PlayerBack::InTheDark;
}

// Waits for the game to put the player back, at most 30 s, and at most 10 s
// once he stands alive behind a black screen: the take-over then brings the
// screen back rather than the wait keeping him in the dark. The limits are
// elapsed times so that they also end across the wrap of the tick count.
void awaitGameRespawn(DeathEpisode& episode) {
    setTimeScale(1.0f);
    uint32_t start = tickCount();
    uint32_t darkSince = start;
    PlayerBack back = PlayerBack::No;
    for (;;) {
        PlayerBack now = gameShowsLivingPlayer(episode);
        if (now == PlayerBack::InTheDark && back != PlayerBack::InTheDark) darkSince = tickCount();
        back = now;
        if (back == PlayerBack::InView) break;
        if (back == PlayerBack::InTheDark && ticksSince(darkSince, tickCount()) >= livingPlayerInTheDarkMs) break;
        if (static_cast<float>(ticksSince(start, tickCount())) > gameRespawnLimitMilliseconds) break;
        rescueBlackScreenDuringEpisode();
        host::scriptWait(0);
    }
    logGameRespawnWait(ticksSince(start, tickCount()), back);
}

void applyRespawnOptions() {
    bool otherSkin = wearsOtherSkin();
    applyWeaponsOption(otherSkin);
    applyArmourOption(otherSkin);
}

// The game may have put the player back as a new ped: the handles are taken
// afresh before anything moves him or changes his skin. During a mission
// (with "alter_spawn_after_mission" 0) the player stays where the game put
// him, so the screen is not cut to black: nothing of ours would fade it in.
// True when the take-over cut to black and faded in again.
bool takeOver(const DeathEpisode& episode) {
    playerState.playerPed = playerPedId();
    playerState.playerId = playerId();
    bool touchedScreen = false;
    if (settings.random_player_respawns != 0) {
        if (settings.alter_spawn_after_mission != 0 || !playerState.missionActive) {
            doScreenFadeOut(0);
            host::scriptWait(100);
            respawnAfterDeath();
            applyRespawnOptions();
            touchedScreen = true;
        }
    } else {
        restoreSkinAfterDeath(playerState.lastPlayerModel);
        applyRespawnOptions();
    }
    if (settings.set_money_to_zero_upon_respawn_after_death != 0) zeroCharacterMoney();
    setFollowPedCamViewMode(episode.savedViewMode);
    setCamFov(getRenderingCam(), episode.savedFieldOfView);
    logTakeOver();
    return touchedScreen;
}

// Moves the episode on by one stage; the stages all run inside one pass.
DeathPhase runPhase(DeathPhase phase, DeathEpisode& episode) {
    switch (phase) {
        case DeathPhase::DeathScreen:
            runDeathScreen(episode);
            return DeathPhase::AwaitGameRespawn;
        case DeathPhase::AwaitGameRespawn:
            awaitGameRespawn(episode);
            return DeathPhase::TakeOver;
        case DeathPhase::TakeOver:
            episode.screenTouched = takeOver(episode);
            return DeathPhase::Watching;
        case DeathPhase::Watching:
            break;
    }
    return DeathPhase::Watching;
}

void runWatchSteps() {
    watchLoadingScreens();
    host::scriptWait(0);
    rescueBlackScreen();
    // The death point is where the player was last seen: a pass without a ped
    // (the game is replacing it) keeps it rather than taking the origin.
    uint32_t ped = playerPedId();
    if (isExistingEntity(ped)) playerState.lastPlayerPosition = entityPosition(ped);
    cancelAutoDriveOnInput();
}

}  // namespace

void handleDeathAndArrest() {
    playerState.playerPed = playerPedId();
    playerState.playerId = playerId();
    playerState.wasBusted = false;
    playerState.deathTime = tickCount();
    DeathEpisode episode;
    DeathPhase phase = episodeDetected() ? DeathPhase::DeathScreen : DeathPhase::Watching;
    if (phase != DeathPhase::Watching) {
        while (phase != DeathPhase::Watching) phase = runPhase(phase, episode);
        keepStoredSkinAfterEpisode();
        // Our own cut to black is not a screen left behind; a black screen we
        // did not touch (a mission's fail screen, another script's) counts on.
        if (episode.screenTouched) restartBlackScreenCount();
    }
    runWatchSteps();
}

bool sequenceOfOursDue() { return episodeDetected() || postLoadingFollowUpDue(); }

// How long the wasted or busted screen may last, by the slow motion on it:
// the slowest (and normal speed) wait longest.
constexpr uint32_t screenDeadlineBelowTenthSpeedMs = longestDeathScreenWaitMs;
constexpr uint32_t screenDeadlineToFifthSpeedMs = 35000;
constexpr uint32_t screenDeadlineBelowTwoFifthsSpeedMs = 25000;

void computeRespawnDeadline() {
    double slowMotion = slowMotionSetting();
    if (slowMotion < 0.1)
        playerState.respawnDeadline = playerState.deathTime + screenDeadlineBelowTenthSpeedMs;
    else if (slowMotion <= 0.2)
        playerState.respawnDeadline = playerState.deathTime + screenDeadlineToFifthSpeedMs;
    else if (slowMotion < 0.4)
        playerState.respawnDeadline = playerState.deathTime + screenDeadlineBelowTwoFifthsSpeedMs;
    else
        playerState.respawnDeadline = static_cast<uint32_t>(
            static_cast<int64_t>(static_cast<float>(playerState.deathTime) +
                                 deathScreenWaitMs(settings.max_wait_time_before_respawn_upon_skin_exception)));
}

void resetToPlayerZero() {
    uint32_t ped = playerPedId();
    if (!isExistingEntity(ped)) {
        playFailSound();
        return;
    }
    setPlayerZero(loadPlayerZero());
}

void cancelAutoDriveOnInput() {
    if (!playerState.autoDriveActive) return;
    for (int32_t control : autoDriveCancelControls) {
        if (isControlPressed(control)) {
            clearPedTasks(playerState.playerPed);
            playerState.autoDriveActive = false;
            return;
        }
    }
}
