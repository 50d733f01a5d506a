#pragma once

#include <windows.h>

#include <memory>

#include "painting.h"
#include "saver_state.h"
#include "wgl_surface.h"

// Everything the renderer's one thread keeps from the entry to the exit.
struct RendererProgram {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    SaverState state;
    std::unique_ptr<WglSurface> surface;
    std::unique_ptr<Painting> painting;
};

extern RendererProgram program;

// False when the run ends before it has a window: another saver's window
// is already up, or the class or the window cannot be made.
bool createSaverWindow();

// Draws in every idle moment until WM_QUIT; returns the exit code.
int runMessageLoop();

// The three layers of the window procedure, outermost first; each hands on
// what it does not answer itself.
LRESULT CALLBACK outerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT rendererHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT closeRulesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
