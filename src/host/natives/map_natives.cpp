#include "host/natives/map_natives.h"

int32_t addBlipForCoord(float x, float y, float z) {
    return native::resultI32(native::invoke(0x5A039BB0BCA604B6ull, x, y, z));
}

void setBlipSprite(int32_t blip, int32_t sprite) { native::invoke(0xDF735600A4696DAFull, blip, sprite); }

void setBlipColour(int32_t blip, int32_t colour) { native::invoke(0x03D7FB09E75D6B7Eull, blip, colour); }

void beginTextCommandSetBlipName(const char* componentType) { native::invoke(0xF9113A30DE5C6670ull, componentType); }

void endTextCommandSetBlipName(int32_t blip) { native::invoke(0xBC38B49BCB83BC9Bull, blip); }

void removeBlip(int32_t* blip) { native::invoke(0x86A652570E5F25DDull, blip); }

bool isWaypointActive() { return native::resultBool(native::invoke(0x1DD1F58F493F1DA5ull)); }

int32_t getFirstBlipInfoId(int32_t sprite) { return native::resultI32(native::invoke(0x1BEDE233E6CD2A1Full, sprite)); }

Vector3 getBlipInfoIdCoord(int32_t blip) { return native::resultVector(native::invoke(0xFA7C7F0AADF25D09ull, blip)); }
