#include "host/natives/gameplay_natives.h"

#include "host/native_call.h"

game::Hash getHashKey(const char* name) { return native::resultU32(native::invoke(0xD24D37CC275948CCull, name)); }

int32_t getRandomIntInRange(int32_t start, int32_t end) {
    return native::resultI32(native::invoke(0xD53343AA4FB7DD28ull, start, end));
}

float getRandomFloatInRange(float low, float high) {
    return native::resultFloat(native::invoke(0x313CE5879CEB6FCDull, low, high));
}

void setTimeScale(float scale) { native::invoke(0x1D408577D440E81Eull, scale); }

bool getMissionFlag() { return native::resultBool(native::invoke(0xA33CDCCDA663159Eull)); }

bool getIsLoadingScreenActive() { return native::resultBool(native::invoke(0x10D0A8F259E93EC9ull)); }

bool isCutsceneActive() { return native::resultBool(native::invoke(0x991251AFC3981F84ull)); }

int32_t getFrameCount() { return native::resultI32(native::invoke(0xFC8202EFC642E6F2ull)); }

bool getGroundZFor3dCoord(float x, float y, float z, float* height) {
    return native::resultBool(native::invoke(0xC906A7DAB05C8D2Bull, x, y, z, height, 0, false));
}

void loadScene(float x, float y, float z) { native::invoke(0x4448EB75B4904BDBull, x, y, z); }

void statSetIntZero(game::Hash statHash) { native::invoke(0xB3271D7AB655B441ull, statHash, 0, 1); }
