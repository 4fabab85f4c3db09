#pragma once
// An include of the test support from the plug-in: the layer check must reject it.
#include <tests/support/plugin_state.h>
