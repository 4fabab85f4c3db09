#include "skin/player_skin.h"

#include <cstdio>

#include "host/host_abi.h"
#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/ped_natives.h"
#include "host/natives/player_natives.h"
#include "host/natives/streaming_natives.h"
#include "shared/entities.h"
#include "shared/event_log.h"
#include "shared/player_state.h"
#include "shared/table_random.h"
#include "platform/clock.h"
#include "platform/ticks.h"
#include "shared/on_screen_text.h"
#include "settings_io/settings_store.h"
#include "skin/skin_tables.h"
#include "vehicles/vehicle_spawn.h"

namespace {

constexpr uint32_t modelTrackIntervalMs = 200;

bool isNoModel(uint32_t model) { return model == 0 || model == 0xFFFFFFFFu; }

bool isSkinException(uint32_t model) {
    for (const char* name : skinExceptionModels)
        if (model == getHashKey(name)) return true;
    return false;
}

// A skin as the player knows it: a story character by name, any other by the
// number that "stored_last_used_skin" holds for it.
void nameSkin(uint32_t model, char* name, size_t size) {
    const char* const storyCharacters[][2] = {
        {"player_zero", "Michael"}, {"player_one", "Franklin"}, {"player_two", "Trevor"}};
    for (const auto& character : storyCharacters)
        if (model == getHashKey(character[0])) {
            std::snprintf(name, size, "%s (%s)", character[1], character[0]);
            return;
        }
    std::snprintf(name, size, "%ld (its number in stored_last_used_skin)",
                  static_cast<long>(static_cast<int32_t>(model)));
}

// Waits frame by frame until the model has loaded or the load limit has
// passed; true when the limit was reached.
bool loadSkinModel(uint32_t model) {
    requestModel(model);
    uint32_t deadline = tickCount() + skinModelLoadLimitMs;
    while (!hasModelLoaded(model) && !tickReached(tickCount(), deadline)) host::scriptWait(0);
    return tickReached(tickCount(), deadline);
}

void applyComponentVariation(uint32_t ped) {
    if (settings.set_skin_component_variation == 1) setPedDefaultComponentVariation(ped);
    else if (settings.set_skin_component_variation == 2) setPedRandomComponentVariation(ped);
}

}  // namespace

void preloadSkinModel(uint32_t model) {
    if (!isNoModel(model)) loadSkinModel(model);
}

bool isStoryCharacter(uint32_t model) {
    return model == getHashKey("player_zero") || model == getHashKey("player_one") || model == getHashKey("player_two");
}

void changePlayerSkin(uint32_t model) {
    uint32_t ped = playerPedId();
    if (!isEntityAlive(ped)) {
        playFailSound();
        return;
    }
    uint32_t vehicle = isPedInAnyVehicle(ped) ? getVehiclePedIsIn(ped) : 0;
    if (!isNoModel(model)) {
        // A model that never loads is still set: the game decides what becomes of it.
        bool late = loadSkinModel(model);
        char name[64];
        nameSkin(model, name, sizeof name);
        if (late) {
            showNotification("Check/change stored_last_used_skin in Pelorin.ini. Could not load");
            logEvent("the skin %s did not load within %.0f s: put on all the same", name,
                     secondsOf(skinModelLoadLimitMs));
        } else {
            logEvent("skin put on: %s", name);
        }
        setPlayerModel(playerId(), model);
        applyComponentVariation(playerPedId());
        setModelAsNoLongerNeeded(model);
        playerState.playerPed = playerPedId();
        playerState.playerId = playerId();
    }
    // The new ped stands on foot where the old one was; put it back at the wheel.
    if (isEntityAlive(vehicle)) seatPedInVehicle(playerPedId(), vehicle);
}

bool restoreSkinAfterDeath(uint32_t model) {
    if (isStoryCharacter(model)) return false;
    if (settings.player_skin_persists_death == 0) return false;
    if (isSkinException(model)) return false;
    changePlayerSkin(model);
    setEntityCollision(playerPedId());
    host::scriptWait(0);
    return true;
}

uint32_t pickRandomSkin() { return randomSkinModels[tableRandom() % randomSkinModelCount]; }

bool notePlayerHeld() {
    bool held = isEntityDead(playerPedId()) || isPlayerBeingArrested(playerState.playerId);
    if (held) playerState.heldSinceLastCheck = true;
    return held;
}

void trackPlayerModel() {
    // Elapsed time rather than a deadline, so that the first call acts at any
    // tick count, even one past half the range of the count.
    if (ticksSince(playerState.lastModelTrackTime, tickCount()) <= modelTrackIntervalMs) return;
    if (!notePlayerHeld()) {
        uint32_t model = getEntityModel(playerState.playerPed);
        // A pass without a ped (the game is replacing it) leaves no model to keep.
        if (isStoryCharacter(model)) playerState.lastMainCharacterModel = model;
        if (!isNoModel(model)) playerState.lastPlayerModel = model;
    }
    if (settings.alter_spawn_after_mission == 0) playerState.missionActive = getMissionFlag();
    playerState.lastModelTrackTime = tickCount();
}

// Whatever skin the episode left on the player (the game's, or the story
// character put on for the game's respawn when he could not be re-skinned) is
// taken as seen by the first check that finds him free, and not stored.
void keepStoredSkinAfterEpisode() { playerState.heldSinceLastCheck = true; }

// The check's record of the skin: a pass without a ped (the game is replacing
// it) keeps the model seen last. The hold ends at the first check that finds
// the player alive and free; a skin forced on him meanwhile also ends a write
// of the stored skin that was still to be tried again.
void takeSkinAsSeenAtCheck() {
    uint32_t ped = playerPedId();
    uint32_t model = getEntityModel(ped);
    if (isNoModel(model)) return;
    if (!isEntityAlive(ped) || isPlayerBeingArrested(playerState.playerId)) {
        playerState.modelAtLastCheck = model;
        return;
    }
    if (playerState.heldSinceLastCheck && model != playerState.modelAtLastCheck)
        playerState.storedSkinWritePending = false;
    playerState.heldSinceLastCheck = false;
    playerState.modelAtLastCheck = model;
}

bool isStoredSkinActive() { return getEntityModel(playerPedId()) == readStoredSkin(); }

// A change the game made while it held the player (dead or arrested since the
// last check) is taken as seen by this check and not stored.
bool skinChangedSinceLastCheck() {
    uint32_t ped = playerPedId();
    if (!isEntityAlive(ped) || playerState.heldSinceLastCheck) return false;
    uint32_t model = getEntityModel(ped);
    return model != readStoredSkin() && model != playerState.modelAtLastCheck;
}

bool enforceStoredSkin() {
    if (settings.player_ped_skin_upon_respawn != 3 || isStoredSkinActive()) return false;
    changePlayerSkin(readStoredSkin());
    return true;
}
