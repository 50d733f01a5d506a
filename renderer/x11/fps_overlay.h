#pragma once

#include <X11/Xlib.h>

#include <GL/gl.h>

#include <string>

// The frame rate written on the picture in its lower left corner, as
// XScreenSaver's own hacks show it when their "Show frame rate" box is
// ticked: one of the X server's bitmap fonts, made into display lists by
// glXUseXFont and drawn with OpenGL 1.1 bitmaps.
class FpsOverlay {
  public:
    FpsOverlay() = default;
    FpsOverlay(const FpsOverlay&) = delete;
    FpsOverlay& operator=(const FpsOverlay&) = delete;

    // Needs the painting's context current. False when the server has
    // none of the fonts or GL no display lists to spare; nothing is drawn
    // then.
    bool load(Display* display);

    // The text to show from now on.
    void setRate(double framesPerSecond);

    // Writes the text over the back buffer and leaves the GL state and the
    // matrices as they were. Nothing before the first rate.
    void draw() const;

    // Needs the context still current.
    void release(Display* display);

  private:
    XFontStruct* font_ = nullptr;
    GLuint lists_ = 0;
    std::string text_;
};
