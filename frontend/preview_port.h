#pragma once

#include <cstdint>

struct WindowRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// What the preview needs from the system: the host window's size, and the
// preview window Torvi_R with its picture element Img_Prev. Window handles
// are the 32-bit numbers of the command line.
class PreviewPort {
  public:
    virtual ~PreviewPort() = default;

    // GetWindowRect of the host; false when the handle names no window.
    virtual bool getWindowRect(std::int32_t window, WindowRect& rect) = 0;
    // Creates Torvi_R hidden, with Img_Prev holding the still; false when it
    // cannot be created.
    virtual bool createPreviewWindow() = 0;
    virtual std::uint32_t getPreviewStyle() = 0;
    virtual void setPreviewStyle(std::uint32_t style) = 0;
    virtual void setPreviewParent(std::int32_t host) = 0;
    // Position and size in pixels, in the parent's client coordinates.
    virtual void movePreviewWindow(std::int32_t x, std::int32_t y, std::int32_t width,
                                   std::int32_t height) = 0;
    virtual void movePicture(std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) = 0;
    virtual void showPreviewWindow() = 0;
};
