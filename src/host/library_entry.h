#pragma once
// What the plug-in does when the game process loads and unloads it.
#include "host/host_abi.h"

void onLibraryAttach(host::ModuleHandle module);
void onLibraryDetach(host::ModuleHandle module);
