#include "host/natives/vehicle_natives.h"

game::Vehicle createVehicle(game::Hash model, float x, float y, float z) {
    return native::resultU32(native::invoke(0xAF35D0D2583051B0ull, model, x, y, z, 0.0f, 1, 1, false));
}

void setVehicleEngineOnNow(game::Vehicle vehicle) { native::invoke(0x2497C4717C8B881Eull, vehicle, 1, 1, 0); }

void setVehicleOnGroundProperly(game::Vehicle vehicle) { native::invoke(0x49733E92263139D1ull, vehicle, 5.0f); }

void setVehicleForwardSpeed(game::Vehicle vehicle, float speed) { native::invoke(0xAB54A438726D25D5ull, vehicle, speed); }

void controlLandingGear(game::Vehicle vehicle, int32_t state) { native::invoke(0xCFC8BE9A5E1FE575ull, vehicle, state); }

bool isVehicleModelMatching(game::Vehicle vehicle, game::Hash model) {
    return native::resultBool(native::invoke(0x423E8DE37D934D89ull, vehicle, model));
}

void setVehicleAsNoLongerNeeded(uint64_t* vehicleVariable) { native::invoke(0x629BFA74418D6239ull, vehicleVariable); }

bool getClosestVehicleNodeWithHeading(float x, float y, float z, Vector3* node, float* heading) {
    return native::resultBool(native::invoke(0xFF071FB798B803B0ull, x, y, z, node, heading, 1, 3.0f, 0.0f));
}

const char* getDisplayNameFromVehicleModel(game::Hash model) {
    const uint64_t* slots = native::invoke(0xB215AAC32D25D019ull, model);
    return reinterpret_cast<const char*>(static_cast<uintptr_t>(slots[0]));
}

void setVehicleModKit(game::Vehicle vehicle, int32_t kit) { native::invoke(0x1F2AA07F00B3217Aull, vehicle, kit); }

void toggleVehicleMod(game::Vehicle vehicle, int32_t slot, bool on) { native::invoke(0x2A1F4F37F95BAD08ull, vehicle, slot, on); }

void setVehicleNumberPlateTextIndex(game::Vehicle vehicle, int32_t style) {
    native::invoke(0x9088EB5A43FFB0A1ull, vehicle, style);
}

void setVehicleNumberPlateText(game::Vehicle vehicle, const char* text) {
    native::invoke(0x95A88F0B409CDA47ull, vehicle, text);
}

void setVehicleNeonEnabled(game::Vehicle vehicle, int32_t light) {
    native::invoke(0x2AA720E4287BF269ull, vehicle, light, 1);
}

void setVehicleNeonColour(game::Vehicle vehicle, int32_t red, int32_t green, int32_t blue) {
    native::invoke(0x8E0A582209A62695ull, vehicle, red, green, blue);
}

void getVehicleExtraColours(game::Vehicle vehicle, int32_t* pearlescent, int32_t* wheel) {
    native::invoke(0x3BC4245933A166F7ull, vehicle, pearlescent, wheel);
}

void setVehicleModColor1(game::Vehicle vehicle, int32_t paintType, int32_t colour) {
    native::invoke(0x43FEB945EE7F85B8ull, vehicle, paintType, colour, 0);
}

void setVehicleModColor2(game::Vehicle vehicle, int32_t paintType, int32_t colour) {
    native::invoke(0x816562BADFDEC83Eull, vehicle, paintType, colour);
}

int32_t getNumVehicleMods(game::Vehicle vehicle, int32_t slot) {
    return native::resultI32(native::invoke(0xE38E9162A2500646ull, vehicle, slot));
}

void setVehicleMod(game::Vehicle vehicle, int32_t slot, int32_t index) {
    native::invoke(0x6AF0636DDEDCB6DDull, vehicle, slot, index, 0);
}
