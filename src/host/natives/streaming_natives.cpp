#include "host/natives/streaming_natives.h"

#include "host/native_call.h"

void requestModel(uint32_t model) { native::invoke(0x963D27A58DF860ACull, model); }

bool hasModelLoaded(uint32_t model) { return native::resultBool(native::invoke(0x98A4EB5D89A0C952ull, model)); }

void releaseModel(uint32_t model) { native::invoke(0xE532F5D78798DAABull, model); }

bool isModelInGameData(uint32_t model) { return native::resultBool(native::invoke(0x35B9E0803292B641ull, model)); }

bool isVehicleModel(uint32_t model) { return native::resultBool(native::invoke(0x19AAC8F07BFEC53Eull, model)); }

bool isPlaneModel(uint32_t model) { return native::resultBool(native::invoke(0xA0948AB42D7BA0DEull, model)); }

bool isHelicopterModel(uint32_t model) { return native::resultBool(native::invoke(0xDCE4334788AF94EAull, model)); }
