// The DLL entry of Pelorin.asi: register with the host on process attach,
// unregister on detach; nothing at all when the host is not loaded.
#include <windows.h>

#include "host/host_binding.h"
#include "host/library_entry.h"
#include "host/script_entry.h"

namespace {
bool hostBound = false;
}

BOOL APIENTRY DllMain(HMODULE module, DWORD reason, LPVOID) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            hostBound = bindHost();
            if (hostBound) onLibraryAttach(module);
            else reportLibraryLoad(false);
            break;
        case DLL_PROCESS_DETACH:
            if (hostBound) onLibraryDetach(module);
            break;
        default:
            break;
    }
    return TRUE;
}
