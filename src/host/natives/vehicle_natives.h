#pragma once
// Vehicles: creation, engine, flight, clean-up and modifications.
#include <cstdint>

#include "host/native_call.h"

// The last argument false: no vehicle is made below the height the game allows.
uint32_t createVehicle(uint32_t model, float x, float y, float z);  // 0xAF35D0D2583051B0 (.., heading 0.0, 1, 1, false)
void setVehicleEngineOnNow(uint32_t vehicle);              // 0x2497C4717C8B881E (vehicle, 1, 1, 0)
// 5.0 as the game's own scripts pass it.
void setVehicleOnGroundProperly(uint32_t vehicle);         // 0x49733E92263139D1 (vehicle, 5.0)
void setVehicleForwardSpeed(uint32_t vehicle, float speed);  // 0xAB54A438726D25D5
void setLandingGearState(uint32_t vehicle, int32_t state);   // 0xCFC8BE9A5E1FE575
bool isVehicleOfModel(uint32_t vehicle, uint32_t model);   // 0x423E8DE37D934D89
// Hands the vehicle whose handle the variable holds back to the game's clean-up.
void markVehicleNoLongerNeeded(uint64_t* vehicleVariable);  // 0x629BFA74418D6239
// Closest vehicle road node to a point, node type 1; true when one was found.
bool closestRoadNodeWithHeading(float x, float y, float z, Vector3* node, float* heading);  // 0xFF071FB798B803B0
const char* vehicleDisplayName(uint32_t model);            // 0xB215AAC32D25D019

void setVehicleModKit(uint32_t vehicle, int32_t kit);      // 0x1F2AA07F00B3217A
void toggleVehicleMod(uint32_t vehicle, int32_t slot, bool on);  // 0x2A1F4F37F95BAD08
void setPlateStyle(uint32_t vehicle, int32_t style);       // 0x9088EB5A43FFB0A1
void setPlateText(uint32_t vehicle, const char* text);     // 0x95A88F0B409CDA47
void enableNeonLight(uint32_t vehicle, int32_t light);     // 0x2AA720E4287BF269 (vehicle, light, 1)
void setNeonColour(uint32_t vehicle, int32_t red, int32_t green, int32_t blue);  // 0x8E0A582209A62695
void getExtraColours(uint32_t vehicle, int32_t* pearlescent, int32_t* wheel);  // 0xA19435F193E081AC
void setModColour1(uint32_t vehicle, int32_t paintType, int32_t colour);  // 0x43FEB945EE7F85B8 (.., 0)
void setModColour2(uint32_t vehicle, int32_t paintType, int32_t colour);  // 0x816562BADFDEC83E
int32_t modCount(uint32_t vehicle, int32_t slot);          // 0xE38E9162A2500646
void setVehicleMod(uint32_t vehicle, int32_t slot, int32_t index);  // 0x6AF0636DDEDCB6DD (.., 0)
