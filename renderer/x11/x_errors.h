#pragma once

#include <X11/Xlib.h>

#include <string>

// Xlib's own handler ends the program at the first protocol error, without
// releasing anything. This one notes the first error instead, so that the
// frame loop can stop, release the context and say what went wrong: a window
// id that names no window, or a window that went away under the painting.
void noteXErrors();

// The first error since the last call, described; empty when none came.
std::string takeXError(Display* display);
