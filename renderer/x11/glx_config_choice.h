#pragma once

#include <vector>

// What decides which GLX frame-buffer configuration the painting draws with.
struct GlxConfigFields {
    bool rgbaWindow;      // renders RGBA into windows: usable at all
    bool slow;            // GLX_SLOW_CONFIG: the driver warns that it draws slowly
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
// A configuration the driver calls slow (often a software fallback) loses to
// any other, whatever else it offers; then double buffering comes, then a swap that keeps the
// picture, then no multisampling, more colour, and fewer buffers the painting has no use for; on a
// tie the earlier configuration stays.
int chooseGlxConfig(const std::vector<GlxConfigFields>& configs);

// Whether the painting can leave the finished picture to the swap, by the
// back buffer's age (GLX_EXT_buffer_age) after each swap: as long as every
// swap so far left the frame just finished behind (age 1). The first other
// age (0, unknown content, or an older frame) ends that for the rest of the
// run, so that a driver that changes its mind does not flicker between the two.
class BufferAgeWatch {
  public:
    // Answers true when this swap is the one that ended it.
    bool swapShown(int age);
    bool keepsPicture() const { return keeps_; }

  private:
    bool keeps_ = true;
};

// Whether a space-separated extension list names this extension exactly.
bool hasGlxExtension(const char* extensions, const char* name);
