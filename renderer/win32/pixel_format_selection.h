#pragma once

#include <windows.h>

#include "pixel_format.h"

// Sets the best pixel format the device context offers for a double-buffered
// RGBA window, or the one the system picks for such a request when none
// qualifies.
void selectPixelFormat(HDC deviceContext);

// The format the device context has now, as the system describes it: what
// was asked for is not always what was set. Index 0 and no flags when none
// is set.
struct PixelFormatInUse {
    int index;
    PixelFormatFields fields;
};
PixelFormatInUse pixelFormatInUse(HDC deviceContext);
