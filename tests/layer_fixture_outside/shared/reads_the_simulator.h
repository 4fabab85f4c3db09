#pragma once
// An include of the simulated game from the plug-in: the layer check must reject it.
#include "sim/world.h"
