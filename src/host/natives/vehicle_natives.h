#pragma once
// Vehicles: creation, engine, flight, clean-up and modifications.
#include <cstdint>

#include "host/game_types.h"
#include "host/native_call.h"

// The last argument false: no vehicle is made below the height the game allows.
game::Vehicle createVehicle(game::Hash model, float x, float y, float z);  // 0xAF35D0D2583051B0 CREATE_VEHICLE (.., heading 0.0, 1, 1, false)
void setVehicleEngineOnNow(game::Vehicle vehicle);         // 0x2497C4717C8B881E SET_VEHICLE_ENGINE_ON (vehicle, 1, 1, 0)
// 5.0 as the game's own scripts pass it.
void setVehicleOnGroundProperly(game::Vehicle vehicle);    // 0x49733E92263139D1 SET_VEHICLE_ON_GROUND_PROPERLY (vehicle, 5.0)
void setVehicleForwardSpeed(game::Vehicle vehicle, float speed);  // 0xAB54A438726D25D5 SET_VEHICLE_FORWARD_SPEED
void controlLandingGear(game::Vehicle vehicle, int32_t state);  // 0xCFC8BE9A5E1FE575 CONTROL_LANDING_GEAR
bool isVehicleModelMatching(game::Vehicle vehicle, game::Hash model);  // 0x423E8DE37D934D89 IS_VEHICLE_MODEL
// Hands the vehicle whose handle the variable holds back to the game's clean-up.
void setVehicleAsNoLongerNeeded(uint64_t* vehicleVariable);  // 0x629BFA74418D6239 SET_VEHICLE_AS_NO_LONGER_NEEDED
// Closest vehicle road node to a point, node type 1; true when one was found.
bool getClosestVehicleNodeWithHeading(float x, float y, float z, Vector3* node, float* heading);  // 0xFF071FB798B803B0 GET_CLOSEST_VEHICLE_NODE_WITH_HEADING
const char* getDisplayNameFromVehicleModel(game::Hash model);  // 0xB215AAC32D25D019 GET_DISPLAY_NAME_FROM_VEHICLE_MODEL

void setVehicleModKit(game::Vehicle vehicle, int32_t kit);  // 0x1F2AA07F00B3217A SET_VEHICLE_MOD_KIT
void toggleVehicleMod(game::Vehicle vehicle, int32_t slot, bool on);  // 0x2A1F4F37F95BAD08 TOGGLE_VEHICLE_MOD
void setVehicleNumberPlateTextIndex(game::Vehicle vehicle, int32_t style);  // 0x9088EB5A43FFB0A1 SET_VEHICLE_NUMBER_PLATE_TEXT_INDEX
void setVehicleNumberPlateText(game::Vehicle vehicle, const char* text);  // 0x95A88F0B409CDA47 SET_VEHICLE_NUMBER_PLATE_TEXT
void setVehicleNeonEnabled(game::Vehicle vehicle, int32_t light);  // 0x2AA720E4287BF269 SET_VEHICLE_NEON_ENABLED (vehicle, light, 1)
void setVehicleNeonColour(game::Vehicle vehicle, int32_t red, int32_t green, int32_t blue);  // 0x8E0A582209A62695 SET_VEHICLE_NEON_COLOUR
void getVehicleExtraColours(game::Vehicle vehicle, int32_t* pearlescent, int32_t* wheel);  // 0x3BC4245933A166F7 GET_VEHICLE_EXTRA_COLOURS
void setVehicleModColor1(game::Vehicle vehicle, int32_t paintType, int32_t colour);  // 0x43FEB945EE7F85B8 SET_VEHICLE_MOD_COLOR_1 (.., 0)
void setVehicleModColor2(game::Vehicle vehicle, int32_t paintType, int32_t colour);  // 0x816562BADFDEC83E SET_VEHICLE_MOD_COLOR_2
int32_t getNumVehicleMods(game::Vehicle vehicle, int32_t slot);  // 0xE38E9162A2500646 GET_NUM_VEHICLE_MODS
void setVehicleMod(game::Vehicle vehicle, int32_t slot, int32_t index);  // 0x6AF0636DDEDCB6DD SET_VEHICLE_MOD (.., 0)
