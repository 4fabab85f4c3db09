// The DLL entry of Pelorin.asi: register with the host on process attach,
// unregister on detach (and close the pool of our background calls when
// freed); nothing at all when the host is not loaded.
#include <windows.h>

#include "host/host_binding.h"
#include "host/library_entry.h"
#include "host/script_entry.h"
#include "platform/background_call.h"

namespace {
bool hostBound = false;
}

BOOL APIENTRY DllMain(HMODULE module, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            hostBound = bindHost();
            if (hostBound) onLibraryAttach(module);
            else reportLibraryLoad(false);
            break;
        case DLL_PROCESS_DETACH:
            if (hostBound) onLibraryDetach(module);
            // Freed, not the process's exit (which ends every thread itself).
            if (reserved == nullptr) endBackgroundCalls();
            break;
        default:
            break;
    }
    return TRUE;
}
