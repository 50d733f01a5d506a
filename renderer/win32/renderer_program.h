#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "display_power_notice.h"
#include "monitor_layout.h"
#include "painting.h"
#include "saver_state.h"
#include "wgl_surface.h"

// Everything the renderer's one thread keeps from the entry to the exit.
struct RendererProgram {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    SaverState state;
    // Where the painting and the covers were put for the monitors last seen.
    MonitorLayout layout{};
    std::vector<HWND> covers;
    std::unique_ptr<WglSurface> surface;
    std::unique_ptr<Painting> painting;
    DisplayPowerNotice displayPower;
};

extern RendererProgram program;

// False when the run ends before it has a window: another saver's window
// is already up, or the class or the window cannot be made.
bool createSaverWindow();

// Puts the painting's window and the covers over the monitors as they are
// now, after the system said that they changed.
void followDisplays(HWND window);

// Draws in every idle moment until WM_QUIT; returns the exit code.
int runMessageLoop();

// The three layers of the window procedure, outermost first; each hands on
// what it does not answer itself.
LRESULT CALLBACK outerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT rendererHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT closeRulesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
