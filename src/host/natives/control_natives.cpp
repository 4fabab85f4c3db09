#include "host/natives/control_natives.h"

#include "host/native_call.h"

bool isControlPressed(int32_t control) { return native::resultBool(native::invoke(0xF3A21BCD95725A4Aull, 2, control)); }

bool isControlJustPressed(int32_t control) {
    return native::resultBool(native::invoke(0x580417101DDB492Full, 2, control));
}
