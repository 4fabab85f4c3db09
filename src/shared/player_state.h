#pragma once
// The plug-in's state that outlives a frame, in one record: the local player
// as last seen, the death and arrest episode, the loading-screen watch and the
// times of the periodic steps. Beside each field stand all the steps that
// write it; any layer from here up may read them. A default record is the state at
// library load, so one assignment starts it afresh.
#include <cstdint>

#include "host/native_call.h"
#include "platform/clock.h"

struct PlayerState {
    // Captured at start (plugin/startup), taken afresh by the death handler,
    // the respawn sequences and every skin change (the game may give the
    // player a new ped); the id by start-up, the death handler and the skin change.
    uint32_t playerId = 0;
    uint32_t playerPed = 0;
    // The skin as last seen alive: captured at start, kept by the skin tracker,
    // and by the death handler for a skin of his own worn at the moment of
    // death. The last story character: start-up and the skin tracker.
    uint32_t lastPlayerModel = 0;
    uint32_t lastMainCharacterModel = 0;
    // The player's model at the last once-a-second check, and whether the
    // player has been dead or under arrest since: a skin the game puts on him
    // then (a mission death resets him to a story character) is forced, not
    // his choice. Both are written in skin/: the model by the once-a-second
    // check's look at the skin; the flag set by the tracker and at the end of
    // an episode, cleared by that look.
    uint32_t modelAtLastCheck = 0;
    bool heldSinceLastCheck = false;
    // The player's position at the end of the last death-handler pass: the
    // death point (the death handler).
    Vector3 lastPlayerPosition{};

    // Written by the death and arrest handler alone: the time of its pass
    // (during an episode, of the pass that detected it), whether the episode
    // is an arrest, and when the take-over gives up waiting for the game.
    uint32_t deathTime = 0;
    bool wasBusted = false;
    uint32_t respawnDeadline = 0;
    // A respawn left the player in a vehicle that drives on until he touches
    // a control (set by the respawn sequence, cleared by the death handler).
    bool autoDriveActive = false;

    // Written by the loading-screen watch and the rescue of a screen left
    // faded out (respawn/loading_screens): a follow-up that waits in view
    // until its time, and a loading screen that holds the rescue's count
    // (since when).
    bool loadingScreenSeen = false;
    uint32_t loadingScreenEndTime = 0;
    uint32_t lastNotFadedOutTime = 0;
    bool followUpPending = false;
    uint32_t followUpDueTime = 0;
    bool blackScreenCountHeld = false;
    uint32_t blackScreenCountHeldSince = 0;

    // Written by the skin tracker: when it last ran, and the game's mission
    // flag it samples.
    uint32_t lastModelTrackTime = 0;
    bool missionActive = false;

    // The once-a-second re-read (plugin/settings_reread; the time also set at
    // start): when it last ran (0 means never), and a write of the stored skin
    // that failed (the file read-only or locked) and is tried again at the
    // following checks (ended by the skin's look when the game forced a skin).
    uint32_t lastSettingsCheckTime = 0;
    bool storedSkinWritePending = false;
    // The last respawn on demand (the chords); no request may fire within
    // 500 ms of the library being loaded.
    uint32_t lastOnDemandTriggerTime = tickCount();
    // The start-up banner has been shown (the banner).
    bool bannerShown = false;
};

extern PlayerState playerState;

// The model of the local player's ped as the game reports it now.
uint32_t currentPlayerModel();
