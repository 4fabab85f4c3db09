#include "host/natives/water_natives.h"

#include "host/native_call.h"

bool getWaterHeightNoWaves(float x, float y, float z, float* height) {
    return native::resultBool(native::invoke(0x8EE6B53CE13A9794ull, x, y, z, height));
}
