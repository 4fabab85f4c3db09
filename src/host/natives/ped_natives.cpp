#include "host/natives/ped_natives.h"

#include "host/native_call.h"

bool isPedInAnyVehicle(game::Ped ped) { return native::resultBool(native::invoke(0x997ABD671D25CA0Bull, ped, 1)); }

game::Vehicle getVehiclePedIsIn(game::Ped ped) {
    return native::resultU32(native::invoke(0x9A9112A0FE9A4713ull, ped, 1));
}

void setPedDefaultComponentVariation(game::Ped ped) { native::invoke(0x45EEE61580806D63ull, ped); }

void setPedRandomComponentVariation(game::Ped ped) { native::invoke(0xC8A9481A01E63C28ull, ped, 0); }

void clearPedTasks(game::Ped ped) { native::invoke(0xE1EF3C1216AFF2CDull, ped); }

void clearPedTasksImmediately(game::Ped ped) { native::invoke(0xAAA34F8A7CB32098ull, ped); }

void setPedIntoVehicle(game::Ped ped, game::Vehicle vehicle) {
    native::invoke(0xF75B0D629E1C063Dull, ped, vehicle, -1);
}

void setPedArmour(game::Ped ped, int32_t armour) { native::invoke(0xCEA04D83135264CCull, ped, armour); }

void taskVehicleDriveWander(game::Ped ped, game::Vehicle vehicle, float speed, int32_t drivingStyle) {
    native::invoke(0x480142959D337D00ull, ped, vehicle, speed, drivingStyle);
}
