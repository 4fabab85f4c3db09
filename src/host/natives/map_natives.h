#pragma once
// The game's map: blips a script adds, and the waypoint the player set there.
#include <cstdint>

#include "host/native_call.h"

int32_t addBlipForCoord(float x, float y, float z);         // 0x5A039BB0BCA604B6 ADD_BLIP_FOR_COORD
void setBlipSprite(int32_t blip, int32_t sprite);           // 0xDF735600A4696DAF SET_BLIP_SPRITE
void setBlipColour(int32_t blip, int32_t colour);           // 0x03D7FB09E75D6B7E SET_BLIP_COLOUR
// The name the map's legend shows: begin, add its text components, end.
void beginTextCommandSetBlipName(const char* componentType);  // 0xF9113A30DE5C6670 BEGIN_TEXT_COMMAND_SET_BLIP_NAME
void endTextCommandSetBlipName(int32_t blip);               // 0xBC38B49BCB83BC9B END_TEXT_COMMAND_SET_BLIP_NAME
// Removes the blip whose handle the variable holds; the game sets it to 0.
void removeBlip(int32_t* blip);                             // 0x86A652570E5F25DD REMOVE_BLIP
bool isWaypointActive();                                    // 0x1DD1F58F493F1DA5 IS_WAYPOINT_ACTIVE
// The first blip of a sprite on the map (the waypoint's is 8); 0 when none.
int32_t getFirstBlipInfoId(int32_t sprite);                 // 0x1BEDE233E6CD2A1F GET_FIRST_BLIP_INFO_ID
Vector3 getBlipInfoIdCoord(int32_t blip);                   // 0xFA7C7F0AADF25D09 GET_BLIP_INFO_ID_COORD
