#include "respawn/respawn_sequences.h"

#include "host/host_abi.h"
#include "host/natives/audio_natives.h"
#include "host/natives/camera_natives.h"
#include "host/natives/ped_natives.h"
#include "host/natives/player_natives.h"
#include "host/natives/vehicle_natives.h"
#include "shared/entities.h"
#include "shared/event_log.h"
#include "shared/gameplay_camera.h"
#include "shared/player_state.h"
#include "respawn/player_options.h"
#include "settings/settings_record.h"
#include "skin/player_skin.h"
#include "spawn/custom_spawn.h"
#include "spawn/ground_spawn.h"
#include "spawn/spawn_mode.h"
#include "vehicles/vehicle_spawn.h"

namespace {

constexpr const char* respawnSoundSet = "DLC_HEIST_PLANNING_BOARD_SOUNDS";
constexpr float autoDriveSpeed = 70.0f;
constexpr int32_t autoDriveStyle = 786603;
constexpr uint32_t vehicleReleaseDelayMilliseconds = 1250;

bool samePosition(const Vector3& a, const Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

// A player left in a vehicle drives on by himself until he touches a control;
// a dead vehicle gets no task, yet the next control press still clears his tasks.
void letSpawnVehicleDriveOn() {
    if (!isPedInAnyVehicle(playerState.playerPed)) return;
    uint32_t vehicle = getVehiclePedIsIn(playerState.playerPed);
    if (isEntityAlive(vehicle)) startAutoDrive(playerState.playerPed, vehicle);
    playerState.autoDriveActive = true;
}

}  // namespace

bool respawnAfterDeath() {
    uint32_t model = playerState.lastPlayerModel;
    playRespawnSounds();
    bool restored = restoreSkinAfterDeath(model);
    moveToNewSpawn(true);
    doScreenFadeIn(500);
    return restored;
}

bool respawnOnDemand(bool byTheChord) {
    // The ped asked for here is the one moved (a loading screen may have
    // given the player a new one since the last pass).
    playerState.playerPed = playerPedId();
    if (!isEntityAlive(playerState.playerPed)) {
        playFailSound();
        logEvent("respawn on demand not done: you are not alive");
        return false;
    }
    logEvent("respawn on demand%s", byTheChord ? " by the key chord" : " after a loading or black screen");
    if (byTheChord) {
        if (settings.player_ped_skin_upon_respawn == 2)
            changePlayerSkin(pickRandomSkin());
        else if (settings.player_ped_skin_upon_respawn == 3)
            changePlayerSkin(playerState.lastPlayerModel);
    }
    moveToNewSpawn(false);
    if (byTheChord) applyOnDemandOptions();
    return true;
}

bool respawnAtCustomPoint(const CustomSpawnPoint& point) {
    playerState.playerPed = playerPedId();
    if (!isEntityAlive(playerState.playerPed)) {
        playFailSound();
        logEvent("respawn at a custom point refused: the player is not alive");
        return false;
    }
    if (!customSpawnPointOnMap(point)) {
        playFailSound();
        logEvent("respawn at a custom point refused: (%g, %g, %g) lies off the map, which a custom spawn treats "
                 "as a missing point", point.x, point.y, point.z);
        return false;
    }
    logEvent("respawn at the custom point (%.1f, %.1f, %.1f) from the menu", point.x, point.y, point.z);
    Vector3 before = entityPosition(playerState.playerPed);
    placeAtCustomPoint(point);
    finishSpawnMove(before, true, false);
    return true;
}

void moveToNewSpawn(bool afterDeath) {
    Vector3 before = entityPosition(playerState.playerPed);
    finishSpawnMove(before, chooseSpawn(), afterDeath);
}

void finishSpawnMove(const Vector3& before, bool settle, bool afterDeath) {
    Vector3 after = entityPosition(playerState.playerPed);
    logEvent(samePosition(before, after) ? "you stay where you were, at (%.1f, %.1f, %.1f)"
                                         : "you are now at (%.1f, %.1f, %.1f)",
             after.x, after.y, after.z);
    if (samePosition(before, after)) {
        resetGameplayCameraAngles();
        return;
    }
    if (afterDeath) {
        dropRenderingCamera();
        resetGameplayCameraAngles();
    }
    if (settle) settleOnGround();
    letSpawnVehicleDriveOn();
    host::scriptWait(vehicleReleaseDelayMilliseconds);
    releaseSpawnVehicle();
}

void playRespawnSounds() {
    playSoundFrontend("Zoom_In", respawnSoundSet, true);
    playSoundFrontend("Zoom_Left", respawnSoundSet, true);
    playSoundFrontend("Zoom_Out", respawnSoundSet, true);
}

void dropRenderingCamera() {
    uint32_t camera = getRenderingCam();
    setCamActiveOff(camera);
    destroyCam(camera);
}

void startAutoDrive(uint32_t ped, uint32_t vehicle) {
    taskVehicleDriveWander(ped, vehicle, autoDriveSpeed, autoDriveStyle);
}

void releaseSpawnVehicle() {
    if (!isPedInAnyVehicle(playerState.playerPed)) return;
    uint32_t vehicle = getVehiclePedIsIn(playerState.playerPed);
    if (!isExistingEntity(vehicle)) return;
    uint64_t vehicleVariable = vehicle;
    setVehicleAsNoLongerNeeded(&vehicleVariable);
}
