// Small operations the vehicle spawns share with the respawn and skin code:
// seating a ped, the failure cue, a percent chance and entity checks.
#include "host/natives/audio_natives.h"
#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/ped_natives.h"
#include "vehicles/vehicle_spawn.h"

void seatPedInVehicle(uint32_t ped, uint32_t vehicle) {
    if (vehicle != 0 && entityExists(vehicle) && ped != 0 && entityExists(ped)) {
        clearPedTasksImmediately(ped);
        setPedIntoDriverSeat(ped, vehicle);
    } else {
        playFailSound();
    }
}

void playFailSound() {
    playFrontendSound("Move_Fail", "CRANE_SOUNDS", false);
    playFrontendSound("Move_Fail", "CRANE_SOUNDS", true);
}

bool percentChance(int32_t percent) { return static_cast<float>(percent) >= static_cast<float>(randomInt(1, 101)); }

bool isEntityAlive(uint32_t entity) { return entity != 0 && entityExists(entity) && !isEntityDead(entity); }

uint32_t modelOfEntity(uint32_t entity) { return entity != 0 && entityExists(entity) ? entityModel(entity) : 0; }
