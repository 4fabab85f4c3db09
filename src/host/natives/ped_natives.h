#pragma once
// Peds: vehicles they sit in, clothing variations, tasks, armour.
#include <cstdint>

bool isPedInAnyVehicle(uint32_t ped);                      // 0x997ABD671D25CA0B (ped, 1)
uint32_t vehiclePedIsIn(uint32_t ped);                     // 0x9A9112A0FE9A4713 (ped, 1): current or last
void setPedDefaultComponentVariation(uint32_t ped);        // 0x45EEE61580806D63
void setPedRandomComponentVariation(uint32_t ped);         // 0xC8A9481A01E63C28 (ped, 0)
void clearPedTasks(uint32_t ped);                          // 0xE1EF3C1216AFF2CD
void clearPedTasksImmediately(uint32_t ped);               // 0xAAA34F8A7CB32098
void setPedIntoDriverSeat(uint32_t ped, uint32_t vehicle); // 0xF75B0D629E1C063D (ped, vehicle, -1)
void setPedArmour(uint32_t ped, int32_t armour);           // 0xCEA04D83135264CC
void taskDriveAround(uint32_t ped, uint32_t vehicle, float speed, int32_t drivingStyle);  // 0x480142959D337D00
// The state test made on the player's ped after the post-loading skin change,
// and the action that follows a true answer.
bool postLoadingPedTest(uint32_t ped);                     // 0xE28E54788CE8F12D
void postLoadingPedAction(uint32_t ped);                   // 0xB302540597885499
