#include "host/natives/control_natives.h"

#include "host/native_call.h"

bool isControlPressed(int32_t control) { return native::resultBool(native::invoke(0xF3A21BCD95725A4Aull, 2, control)); }

bool isControlJustPressed(int32_t control) {
    return native::resultBool(native::invoke(0x580417101DDB492Full, 2, control));
}

bool isDisabledControlPressed(int32_t control) {
    return native::resultBool(native::invoke(0xE2587F8CBBD87B1Dull, 2, control));
}

bool isDisabledControlJustPressed(int32_t control) {
    return native::resultBool(native::invoke(0x91AEF906BCA88877ull, 2, control));
}

float getDisabledControlNormal(int32_t control) {
    return native::resultFloat(native::invoke(0x11E65974A982637Cull, 2, control));
}

void disableControlAction(int32_t control) { native::invoke(0xFE99B66D079CF6BCull, 0, control, true); }

bool isUsingKeyboardAndMouse() { return native::resultBool(native::invoke(0xA571D46727E2B718ull, 2)); }

const char* getControlInstructionalButtonsString(int32_t control) {
    const uint64_t* slots = native::invoke(0x0499D7B09FC9B407ull, 2, control, true);
    return reinterpret_cast<const char*>(static_cast<uintptr_t>(slots[0]));
}
