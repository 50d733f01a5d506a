#include "offscreen_surface.h"

OffscreenSurface::OffscreenSurface(int width, int height)
    : width_(width),
      height_(height),
      buffer_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4u) {}

OffscreenSurface::~OffscreenSurface() {
    releaseContext();
}

void OffscreenSurface::createContext() {
    // No depth, stencil or accumulation buffer: the painting uses none.
    context_ = OSMesaCreateContextExt(OSMESA_RGBA, 0, 0, 0, nullptr);
}

ClientRect OffscreenSurface::clientRect() {
    return ClientRect{0, 0, width_, height_};
}

void OffscreenSurface::makeCurrent() {
    current_ = context_ != nullptr &&
               OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width_, height_);
}

void OffscreenSurface::swapBuffers() {
    glFinish();
}

void OffscreenSurface::releaseContext() {
    if (context_ != nullptr) {
        OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
        OSMesaDestroyContext(context_);
        context_ = nullptr;
    }
    current_ = false;
}

Picture OffscreenSurface::picture() const {
    Picture picture;
    picture.width = width_;
    picture.height = height_;
    picture.rgb.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3u);
    // GL's rows start at the bottom; pictures start at the top.
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* from = &buffer_[static_cast<std::size_t>(height_ - 1 - y) *
                                            static_cast<std::size_t>(width_) * 4u];
        std::uint8_t* to =
            &picture.rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) * 3u];
        for (int x = 0; x < width_; ++x) {
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
            from += 4;
            to += 3;
        }
    }
    return picture;
}
