#pragma once
// The plug-in's state that outlives a frame, in one record: the local player
// as last seen, the death and arrest episode, the loading-screen watch and the
// times of the periodic steps. The steps named beside the fields write them;
// any layer from here up may read them. A default record is the state at
// library load, so one assignment starts it afresh.
#include <cstdint>

#include "host/native_call.h"
#include "platform/clock.h"

struct PlayerState {
    // Captured at start, taken afresh by the death handler, the respawn on
    // demand and every skin change (the game may give the player a new ped).
    uint32_t playerId = 0;
    uint32_t playerPed = 0;
    // The skin as last seen alive, and the last story character (the skin tracker).
    uint32_t lastPlayerModel = 0;
    uint32_t lastMainCharacterModel = 0;
    // The player's model at the last once-a-second check, and whether the
    // player has been dead or under arrest since: a skin the game puts on him
    // then (a mission death resets him to a story character) is forced, not
    // his choice (set by the skin tracker, cleared by the check).
    uint32_t modelAtLastCheck = 0;
    bool heldSinceLastCheck = false;
    // The player's position at the end of the last death-handler pass: the death point.
    Vector3 lastPlayerPosition{};

    // The death and arrest handler: the time of its pass (during an episode,
    // of the pass that detected it), whether the episode is an arrest, and
    // when the take-over gives up waiting for the game.
    uint32_t deathTime = 0;
    bool wasBusted = false;
    uint32_t respawnDeadline = 0;
    // A respawn left the player in a vehicle that drives on until he touches
    // a control (set by the respawn sequence, cleared by the death handler).
    bool autoDriveActive = false;

    // The loading-screen watch and the rescue of a screen left faded out: a
    // follow-up that waits in view until its time, and a loading screen that
    // holds the rescue's count (since when).
    bool loadingScreenSeen = false;
    uint32_t loadingScreenEndTime = 0;
    uint32_t lastNotFadedOutTime = 0;
    bool followUpPending = false;
    uint32_t followUpDueTime = 0;
    bool blackScreenCountHeld = false;
    uint32_t blackScreenCountHeldSince = 0;

    // The skin tracker: when it last ran, and the game's mission flag it samples.
    uint32_t lastModelTrackTime = 0;
    bool missionActive = false;

    // The once-a-second check: when it last ran (0 means never), and a write
    // of the stored skin that failed (the file read-only or locked) and is
    // tried again at the following checks.
    uint32_t lastSettingsCheckTime = 0;
    bool storedSkinWritePending = false;
    // The last respawn on demand; no request may fire within 500 ms of the
    // library being loaded.
    uint32_t lastOnDemandTriggerTime = tickCount();
    // The start-up banner has been shown.
    bool bannerShown = false;
};

extern PlayerState playerState;

// The model of the local player's ped as the game reports it now.
uint32_t currentPlayerModel();
