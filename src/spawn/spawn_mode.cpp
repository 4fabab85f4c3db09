// PLACEHOLDER: to be replaced by the real implementation.
#include "spawn/spawn_mode.h"

bool chooseSpawn() { return {}; }
void playFocusSound() {}
