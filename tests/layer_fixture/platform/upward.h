#pragma once
// An include from the platform layer up into the host boundary: the layer
// check must reject it.
#include "host/boundary.h"
