#include "host/natives/scaleform_natives.h"

#include "host/native_call.h"

int32_t requestScaleformMovie(const char* name) {
    return native::resultI32(native::invoke(0x11FE353CF9733E6Full, name));
}

bool hasScaleformMovieLoaded(int32_t movie) { return native::resultBool(native::invoke(0x85F01B8D5B90570Eull, movie)); }

bool beginScaleformMovieMethod(int32_t movie, const char* method) {
    return native::resultBool(native::invoke(0xF6E48914C7A8694Eull, movie, method));
}

void scaleformMovieMethodAddParamInt(int32_t value) { native::invoke(0xC3D0841A0CC546A6ull, value); }

void scaleformMovieMethodAddParamPlayerNameString(const char* text) { native::invoke(0xE83A3E3557A56640ull, text); }

void endScaleformMovieMethod() { native::invoke(0xC6796A8FFA375E53ull); }

void drawScaleformMovieFullscreenWhite(int32_t movie) {
    native::invoke(0x0DF606929C105BE1ull, movie, 255, 255, 255, 255, 0);
}

void setScaleformMovieAsNoLongerNeeded(int32_t* movie) { native::invoke(0x1D132D614DD86811ull, movie); }
