#pragma once

#include "front_end_state.h"
#include "startup_platform.h"

// What the program does once Main has returned.
enum class AfterMain {
    kEnd,             // end now: nothing was opened, or the dialog has closed
    kRunMessageLoop,  // a window (the preview or the saver run) keeps it alive
};

// The start-up of Velmora.scr: refuses to run beside a saver run or an open
// settings dialog, then by the command line's mode letter shows the preview
// (P), the settings dialog (C) or starts a saver run (S, or no arguments).
AfterMain Main(StartupPlatform& platform, FrontEndState& state);
