#include "host/natives/ped_natives.h"

#include "host/native_call.h"

bool isPedInAnyVehicle(uint32_t ped) { return native::resultBool(native::invoke(0x997ABD671D25CA0Bull, ped, 1)); }

uint32_t vehiclePedIsIn(uint32_t ped) { return native::resultU32(native::invoke(0x9A9112A0FE9A4713ull, ped, 1)); }

void setPedDefaultComponentVariation(uint32_t ped) { native::invoke(0x45EEE61580806D63ull, ped); }

void setPedRandomComponentVariation(uint32_t ped) { native::invoke(0xC8A9481A01E63C28ull, ped, 0); }

void clearPedTasks(uint32_t ped) { native::invoke(0xE1EF3C1216AFF2CDull, ped); }

void clearPedTasksImmediately(uint32_t ped) { native::invoke(0xAAA34F8A7CB32098ull, ped); }

void setPedIntoDriverSeat(uint32_t ped, uint32_t vehicle) { native::invoke(0xF75B0D629E1C063Dull, ped, vehicle, -1); }

void setPedArmour(uint32_t ped, int32_t armour) { native::invoke(0xCEA04D83135264CCull, ped, armour); }

void taskDriveAround(uint32_t ped, uint32_t vehicle, float speed, int32_t drivingStyle) {
    native::invoke(0x480142959D337D00ull, ped, vehicle, speed, drivingStyle);
}

bool postLoadingPedTest(uint32_t ped) { return native::resultBool(native::invoke(0xE28E54788CE8F12Dull, ped)); }

void postLoadingPedAction(uint32_t ped) { native::invoke(0xB302540597885499ull, ped); }
