// Small operations the vehicle spawns share with the respawn and skin code:
// seating a ped and the failure cue.
#include "host/natives/audio_natives.h"
#include "host/natives/ped_natives.h"
#include "shared/entities.h"
#include "vehicles/vehicle_spawn.h"

void seatPedInVehicle(uint32_t ped, uint32_t vehicle) {
    if (isExistingEntity(vehicle) && isExistingEntity(ped)) {
        clearPedTasksImmediately(ped);
        setPedIntoVehicle(ped, vehicle);
    } else {
        playFailSound();
    }
}

void playFailSound() {
    playSoundFrontend("Move_Fail", "CRANE_SOUNDS", false);
    playSoundFrontend("Move_Fail", "CRANE_SOUNDS", true);
}
