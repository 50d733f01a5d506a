#pragma once

#include <X11/Xlib.h>

#include <string>

#include "glx_config.h"
#include "hack_options.h"

// The window the hack draws in, with the configuration chosen for it.
struct HackWindow {
    Window window = 0;
    bool own = false;  // made by us: ours to close on q, Escape or its close button
    bool mapped = false;
    // Wholly covered by other windows, as the last VisibilityNotify said.
    bool obscured = false;
    Atom deleteWindow = 0;  // the close button's message, for our own window
    GlxConfig config;

    // Frames are drawn only where somebody can see them.
    bool seen() const { return mapped && !obscured; }
};

// Finds or makes the window the options name and chooses its GLX
// configuration. Our own window is made on a visual of that configuration
// and mapped; another program's window or the root window keeps its visual.
// Every target reports its size, mapping, visibility and end; our own window also its
// keys and its close button. On failure returns false and says why.
bool openHackWindow(Display* display, const HackOptions& options, HackWindow& target,
                    std::string& error);

// Destroys our own window; leaves any other alone.
void closeHackWindow(Display* display, const HackWindow& target);
