#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "display_power_notice.h"
#include "monitor_choice.h"
#include "monitor_layout.h"
#include "painting_set.h"
#include "saver_state.h"
#include "wgl_surface.h"

// Everything the renderer's one thread keeps from the entry to the exit.
struct RendererProgram {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    SaverState state;
    // Read from Velmora.ini once, before the window is made.
    MonitorChoice monitors = MonitorChoice::kEveryMonitor;
    // Where the window, its paintings and the covers were put for the
    // monitors last seen.
    MonitorLayout layout{};
    std::vector<HWND> covers;
    std::unique_ptr<WglSurface> surface;
    // One painting per painted monitor, all in the one window.
    std::unique_ptr<PaintingSet> paintings;
    DisplayPowerNotice displayPower;
};

extern RendererProgram program;

// False when the run ends before it has a window: another saver's window
// is already up, or the class or the window cannot be made.
bool createSaverWindow();

// Puts the painting's window, its paintings and the covers over the monitors
// as they are now, after the system said that they changed.
void followDisplays(HWND window);

// The paintings take the parts of the window that the layout gives them.
// Throws std::bad_alloc.
void followLayout();

// Draws in every idle moment until WM_QUIT; returns the exit code.
int runMessageLoop();

// The three layers of the window procedure, outermost first; each hands on
// what it does not answer itself.
LRESULT CALLBACK outerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT rendererHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT closeRulesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
