#pragma once

// What the painting needs from the platform around its OpenGL calls: a
// rendering context made current on the window, the window's client size, and
// a buffer swap with what it leaves behind. The renderer program implements
// it with WGL; the offscreen tools implement it with an in-memory context.
struct ClientRect {
    int left;
    int top;
    int right;
    int bottom;
};

class GraphicsSurface {
  public:
    virtual ~GraphicsSurface() = default;

    // Takes the device context, sets its pixel format and creates the
    // rendering context. Failures are not reported: the picture then stays
    // black.
    virtual void createContext() = 0;
    virtual ClientRect clientRect() = 0;
    virtual void makeCurrent() = 0;
    virtual void swapBuffers() = 0;
    // Whether a swap leaves the finished picture in the back buffer, so that
    // the next frame can fade it. Known once the context is created; where
    // it is not promised, the painting keeps the picture itself.
    virtual bool swapKeepsPicture() = 0;
    // Gives back the device context, then drops and deletes the context.
    virtual void releaseContext() = 0;
};
