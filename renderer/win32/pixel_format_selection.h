#pragma once

#include <windows.h>

#include <vector>

#include "pixel_format.h"

// The swap method WGL_ARB_pixel_format gives for each format of the screen,
// first for format 1; empty where the driver does not offer it. The driver
// answers only with a current context, so the question is asked on a window
// and context made for it alone and gone again afterwards.
std::vector<int> driverSwapMethods(HINSTANCE instance);

// The format the device context has now, as the system describes it: what
// was asked for is not always what was set. Index 0 and no flags when none
// is set.
struct PixelFormatInUse {
    int index;
    PixelFormatFields fields;
    // What the driver said of its swap, 0 if nothing.
    int swapMethod;
    // The painting need not keep the picture itself.
    bool swapKeepsPicture;
};

// Sets the best pixel format the device context offers for a double-buffered
// RGBA window, among the best-scored the first whose swap keeps the picture
// (by its descriptor or by swapMethods), or the one the system picks for such
// a request when none qualifies. Gives the format that was set.
PixelFormatInUse selectPixelFormat(HDC deviceContext, const std::vector<int>& swapMethods = {});

PixelFormatInUse pixelFormatInUse(HDC deviceContext, const std::vector<int>& swapMethods = {});
