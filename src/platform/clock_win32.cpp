#include <windows.h>

#include "platform/clock.h"

uint32_t tickCount() { return GetTickCount(); }
