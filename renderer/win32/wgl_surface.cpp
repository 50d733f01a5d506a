#include "wgl_surface.h"

#include "pixel_format_selection.h"
#include "swap_interval.h"

void WglSurface::createContext() {
    deviceContext_ = GetDC(window_);
    selectPixelFormat(deviceContext_);
    const PixelFormatInUse format = pixelFormatInUse(deviceContext_);
    // Without a format there is no context and no picture to keep either.
    keepsPicture_ = format.index == 0 || ::swapKeepsPicture(format.fields);
    renderingContext_ = wglCreateContext(deviceContext_);
}

ClientRect WglSurface::clientRect() {
    RECT rect{};
    GetClientRect(window_, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void WglSurface::makeCurrent() {
    if (wglMakeCurrent(deviceContext_, renderingContext_)) {
        requestSwapPerRefresh();
    }
}

void WglSurface::swapBuffers() {
    wglSwapLayerBuffers(deviceContext_, WGL_SWAP_MAIN_PLANE);
}

void WglSurface::releaseContext() {
    ReleaseDC(window_, deviceContext_);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(renderingContext_);
    deviceContext_ = nullptr;
    renderingContext_ = nullptr;
}
