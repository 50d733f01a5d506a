#include "password_step.h"

bool verifyPassword(PasswordPort& port, WindowHandle window, SaverState& state) {
    if (port.platformId() != kPlatformWin32Windows) {
        return true;
    }
    LibraryHandle library = port.loadLibrary(kPasswordLibrary);
    if (library == nullptr) {
        return true;
    }
    if (!port.findExport(library, kPasswordExport)) {
        port.freeLibrary(library);
        return true;
    }
    port.setScreenSaverRunning(true);
    state.inPasswordDialog = true;
    const bool mayClose = port.runPasswordDialog(window);
    state.inPasswordDialog = false;
    port.setScreenSaverRunning(false);
    port.freeLibrary(library);
    return mayClose;
}
