#pragma once

#include <windows.h>

#include "front_end_state.h"

// Loads the hidden saver-run window Torvi_S (caption "Torvi_Main"), whose
// load handler starts the renderer and the music and whose timers watch the
// run. True when that window now keeps the program alive. The window ends
// the program itself; the state must live as long as the process.
bool LoadSaverRunWindow(HINSTANCE instance, FrontEndState& state);
