#pragma once

#include <vector>

// What decides which GLX frame-buffer configuration the painting draws with.
struct GlxConfigFields {
    bool rgbaWindow;      // renders RGBA into windows: usable at all
    bool doubleBuffered;  // frames appear whole
    bool swapCopies;      // the swap promises to leave the back buffer as it was
    int samples;          // multisampling the painting does not need
    int colourBits;       // red, green and blue together
    int ancillaryBits;    // depth, stencil and accumulation, which the painting never uses
};

// Whether a swap with this configuration leaves the finished picture where
// the next frame fades it: a single buffer is never swapped away.
inline bool swapKeepsPicture(const GlxConfigFields& config) {
    return !config.doubleBuffered || config.swapCopies;
}

// Index of the configuration to draw with, or -1 when none is usable.
// Double buffering comes first, then a swap that keeps the picture, then no
// multisampling, more colour, and fewer buffers the painting has no use for;
// on a tie the earlier configuration stays.
int chooseGlxConfig(const std::vector<GlxConfigFields>& configs);

// Whether a space-separated extension list names this extension exactly.
bool hasGlxExtension(const char* extensions, const char* name);
