#include "shared/percent_chance.h"

#include "host/natives/gameplay_natives.h"

bool percentChance(int32_t percent) { return static_cast<float>(percent) >= static_cast<float>(randomInt(1, 101)); }
