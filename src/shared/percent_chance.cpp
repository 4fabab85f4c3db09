#include "shared/percent_chance.h"

#include "host/natives/gameplay_natives.h"

bool percentChance(int32_t percent) {
    return percentReached(percent, getRandomIntInRange(percentRollFirst, percentRollEnd));
}
