#pragma once

#include <X11/Xlib.h>

#include "hack_view.h"

// The view for the window as the display lays out its heads now (Xinerama's
// list, or the window's whole screen without Xinerama).
HackView currentHackView(Display* display, Window window);
