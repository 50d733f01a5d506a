#include <windows.h>

#include "renderer_program.h"

RendererProgram program;

// Whatever the command line holds, the run is the same full-screen run.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    program.instance = instance;
    if (!createSaverWindow()) {
        return 0;
    }
    return runMessageLoop();
}
