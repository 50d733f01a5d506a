#include "saver_run_seam.h"

// The saver-run window is not part of this program yet: a run ends after the
// start-up's own steps (settings read, renderer found, cursor hidden).
bool LoadSaverRunWindow(HINSTANCE, FrontEndState&) {
    return false;
}
