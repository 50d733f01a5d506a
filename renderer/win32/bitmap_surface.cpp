#include "bitmap_surface.h"

#include <GL/gl.h>

namespace {

// GL draws into a bitmap only in the bitmap's own depth.
constexpr BYTE kColourBits = 32;

}  // namespace

BitmapSurface::~BitmapSurface() {
    releaseContext();
}

void BitmapSurface::createContext() {
    memory_ = CreateCompatibleDC(nullptr);
    if (memory_ == nullptr) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = height_;  // bottom row first, as GL's rows run
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kColourBits;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    picture_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (picture_ == nullptr) {
        return;
    }
    oldPicture_ = SelectObject(memory_, picture_);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL | PFD_SUPPORT_GDI;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = kColourBits;
    const int chosen = ChoosePixelFormat(memory_, &format);
    if (chosen == 0 || !SetPixelFormat(memory_, chosen, &format)) {
        return;
    }
    renderingContext_ = wglCreateContext(memory_);
}

void BitmapSurface::makeCurrent() {
    current_ = renderingContext_ != nullptr && wglMakeCurrent(memory_, renderingContext_) != FALSE;
}

void BitmapSurface::swapBuffers() {
    glFinish();
    GdiFlush();
}

void BitmapSurface::releaseContext() {
    if (renderingContext_ != nullptr) {
        if (wglGetCurrentContext() == renderingContext_) {
            wglMakeCurrent(nullptr, nullptr);
        }
        wglDeleteContext(renderingContext_);
        renderingContext_ = nullptr;
    }
    if (memory_ != nullptr) {
        if (oldPicture_ != nullptr) {
            SelectObject(memory_, oldPicture_);
            oldPicture_ = nullptr;
        }
        DeleteDC(memory_);
        memory_ = nullptr;
    }
    if (picture_ != nullptr) {
        DeleteObject(picture_);
        picture_ = nullptr;
    }
    current_ = false;
}

void BitmapSurface::showAt(HDC target, int x, int y) const {
    if (memory_ != nullptr && picture_ != nullptr) {
        BitBlt(target, x, y, width_, height_, memory_, 0, 0, SRCCOPY);
    }
}
