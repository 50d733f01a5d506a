#include "wgl_surface.h"

#include "pixel_format.h"
#include "swap_interval.h"

namespace {

PixelFormatFields fieldsOf(const PIXELFORMATDESCRIPTOR& descriptor) {
    return {descriptor.dwFlags, descriptor.iPixelType, descriptor.cColorBits,
            descriptor.cDepthBits};
}

}  // namespace

void selectPixelFormat(HDC deviceContext) {
    PIXELFORMATDESCRIPTOR descriptor{};
    static_assert(sizeof(descriptor) == 40, "the descriptor size the formats are described with");
    PixelFormatChoice choice;
    // The first answer also gives the highest format number, which bounds the
    // walk should a driver describe numbers past its last format.
    int last = DescribePixelFormat(deviceContext, 1, sizeof(descriptor), &descriptor);
    for (int i = 1; i <= last; ++i) {
        if (i > 1 && DescribePixelFormat(deviceContext, i, sizeof(descriptor), &descriptor) == 0) {
            break;
        }
        choice.consider(i, fieldsOf(descriptor));
    }
    if (choice.chosen() != 0) {
        DescribePixelFormat(deviceContext, choice.chosen(), sizeof(descriptor), &descriptor);
        SetPixelFormat(deviceContext, choice.chosen(), &descriptor);
        return;
    }
    PIXELFORMATDESCRIPTOR wanted{};
    wanted.nSize = kFallbackDescriptorSize;
    wanted.nVersion = kFallbackDescriptorVersion;
    wanted.dwFlags = kFallbackPixelFormat.dwFlags;
    wanted.iPixelType = kFallbackPixelFormat.iPixelType;
    wanted.cColorBits = kFallbackPixelFormat.cColorBits;
    wanted.cDepthBits = kFallbackPixelFormat.cDepthBits;
    SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &wanted), &wanted);
}

void WglSurface::createContext() {
    deviceContext_ = GetDC(window_);
    selectPixelFormat(deviceContext_);
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
