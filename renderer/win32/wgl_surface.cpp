#include "wgl_surface.h"

#include "frame_pace.h"
#include "swap_interval.h"

void WglSurface::createContext() {
    if (choice_ == PixelFormatRequest::kNone) {
        deviceContext_ = GetDC(window_);
        renderingContext_ = wglCreateContext(deviceContext_);
        return;
    }
    // Asked before the window's own format is set, which can be set only once.
    const std::vector<int> swapMethods =
        driverSwapMethods(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE)));
    deviceContext_ = GetDC(window_);
    format_ = selectPixelFormat(deviceContext_, swapMethods);
    renderingContext_ = wglCreateContext(deviceContext_);
}

ClientRect WglSurface::clientRect() {
    RECT rect{};
    GetClientRect(window_, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void WglSurface::makeCurrent() {
    current_ =
        renderingContext_ != nullptr && wglMakeCurrent(deviceContext_, renderingContext_) != FALSE;
    if (current_) {
        // One frame per refresh on a 60 Hz display, every second refresh at
        // 120 Hz, and so on: the painting's motion is a fixed step per frame.
        // Elsewhere a swap per refresh, and the loop's own tick paces.
        refreshHz_ = paintingDisplayRefreshHz();
        swapPlan_ = swapPlanForRefresh(refreshHz_);
        swapControlled_ = requestSwapInterval(swapPlan_.interval);
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
    current_ = false;
}
