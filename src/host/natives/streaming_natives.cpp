#include "host/natives/streaming_natives.h"

#include "host/native_call.h"

void requestModel(game::Hash model) { native::invoke(0x963D27A58DF860ACull, model); }

bool hasModelLoaded(game::Hash model) { return native::resultBool(native::invoke(0x98A4EB5D89A0C952ull, model)); }

void setModelAsNoLongerNeeded(game::Hash model) { native::invoke(0xE532F5D78798DAABull, model); }

bool isModelInCdimage(game::Hash model) { return native::resultBool(native::invoke(0x35B9E0803292B641ull, model)); }

bool isModelAVehicle(game::Hash model) { return native::resultBool(native::invoke(0x19AAC8F07BFEC53Eull, model)); }

bool isThisModelAPlane(game::Hash model) { return native::resultBool(native::invoke(0xA0948AB42D7BA0DEull, model)); }

bool isThisModelAHeli(game::Hash model) { return native::resultBool(native::invoke(0xDCE4334788AF94EAull, model)); }
