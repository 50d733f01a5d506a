#pragma once

#include <windows.h>

// The preview still, decoded by the system's picture service from the JPEG
// that the program carries. Null when it cannot be had; the preview is then
// just black.
HBITMAP LoadPreviewStill(HINSTANCE instance);
