#include "host/natives/audio_natives.h"

#include "host/native_call.h"

void playSoundFrontend(const char* sound, const char* soundSet, bool lastArgument) {
    native::invoke(0x67C540AA08E4A6F5ull, -1, sound, soundSet, lastArgument);
}
