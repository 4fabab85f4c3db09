#pragma once
// Peds: vehicles they sit in, clothing variations, tasks, armour.
#include <cstdint>

#include "host/game_types.h"

bool isPedInAnyVehicle(game::Ped ped);                     // 0x997ABD671D25CA0B IS_PED_IN_ANY_VEHICLE (ped, 1)
game::Vehicle getVehiclePedIsIn(game::Ped ped);            // 0x9A9112A0FE9A4713 GET_VEHICLE_PED_IS_IN (ped, 1): current or last
void setPedDefaultComponentVariation(game::Ped ped);       // 0x45EEE61580806D63 SET_PED_DEFAULT_COMPONENT_VARIATION
void setPedRandomComponentVariation(game::Ped ped);        // 0xC8A9481A01E63C28 SET_PED_RANDOM_COMPONENT_VARIATION (ped, 0)
void clearPedTasks(game::Ped ped);                         // 0xE1EF3C1216AFF2CD CLEAR_PED_TASKS
void clearPedTasksImmediately(game::Ped ped);              // 0xAAA34F8A7CB32098 CLEAR_PED_TASKS_IMMEDIATELY
void setPedIntoVehicle(game::Ped ped, game::Vehicle vehicle);  // 0xF75B0D629E1C063D SET_PED_INTO_VEHICLE (ped, vehicle, -1)
void setPedArmour(game::Ped ped, int32_t armour);          // 0xCEA04D83135264CC SET_PED_ARMOUR
void taskVehicleDriveWander(game::Ped ped, game::Vehicle vehicle, float speed, int32_t drivingStyle);  // 0x480142959D337D00 TASK_VEHICLE_DRIVE_WANDER
