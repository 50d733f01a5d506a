#pragma once

#include "renderer_window.h"

// The names by which other savers know the renderer's window. Once made, the
// window is renamed to kRendererTitle, by which the front-end looks for it.
constexpr const char* kSaverClassName = "WindowsScreenSaverClass";
constexpr const char* kCreationTitle = "Screensaver";
