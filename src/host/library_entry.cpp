#include "host/library_entry.h"

#include "host/keyboard.h"
#include "host/script_entry.h"

void onLibraryAttach(host::ModuleHandle module) {
    reportLibraryLoad(true);
    host::scriptRegister(module, scriptMain);
    host::keyboardHandlerRegister(onKeyboardMessage);
}

void onLibraryDetach(host::ModuleHandle module) {
    host::scriptUnregister(module);
    host::keyboardHandlerUnregister(onKeyboardMessage);
}
