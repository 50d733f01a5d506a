#include "offscreen_surface.h"

OffscreenSurface::OffscreenSurface(int width, int height, OffscreenSwap swap)
    : width_(width),
      height_(height),
      swap_(swap),
      buffer_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4u) {
    if (swap_ == OffscreenSwap::LosesPicture) {
        shown_.resize(buffer_.size());
        noise_.resize(buffer_.size() / 4u);
    }
}

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
    if (swap_ == OffscreenSwap::LosesPicture) {
        shown_ = buffer_;
        drawNoise();
    }
}

void OffscreenSurface::drawNoise() {
    // New noise every swap (xorshift), so that nothing of an earlier swap's
    // noise can pass for a picture either.
    for (std::uint32_t& pixel : noise_) {
        noiseState_ ^= noiseState_ << 13;
        noiseState_ ^= noiseState_ >> 17;
        noiseState_ ^= noiseState_ << 5;
        pixel = noiseState_;
    }
    // Drawn through GL, since OSMesa need not read the buffer back from
    // memory; every state the painting set is put back afterwards.
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glViewport(0, 0, width_, height_);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glRasterPos2f(-1.0f, -1.0f);
    glDrawPixels(width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, noise_.data());
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
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
    const std::vector<std::uint8_t>& frame =
        swap_ == OffscreenSwap::LosesPicture ? shown_ : buffer_;
    // GL's rows start at the bottom; pictures start at the top.
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* from = &frame[static_cast<std::size_t>(height_ - 1 - y) *
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
