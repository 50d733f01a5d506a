#include "pixel_format_selection.h"

#include <cstdint>
#include <new>

namespace {

constexpr const char* kFormatProbeClassName = "VelmoraPixelFormatProbe";

using GetPixelFormatAttribivProc = BOOL(WINAPI*)(HDC, int, int, UINT, const int*, int*);

PixelFormatFields fieldsOf(const PIXELFORMATDESCRIPTOR& descriptor) {
    return {descriptor.dwFlags, descriptor.iPixelType, descriptor.cColorBits,
            descriptor.cDepthBits};
}

int swapMethodOf(const std::vector<int>& swapMethods, int index) {
    return index >= 1 && static_cast<std::size_t>(index) <= swapMethods.size()
               ? swapMethods[static_cast<std::size_t>(index) - 1]
               : 0;
}

// Some drivers answer a name they do not know with a small number or -1
// instead of null.
bool realAddress(PROC found) {
    const auto address = reinterpret_cast<std::intptr_t>(found);
    return address < -1 || address > 3;
}

std::vector<int> askSwapMethods(HDC deviceContext) {
    std::vector<int> methods;
    PROC found = wglGetProcAddress("wglGetPixelFormatAttribivARB");
    if (!realAddress(found)) {
        return methods;
    }
    const auto getAttributes =
        reinterpret_cast<GetPixelFormatAttribivProc>(reinterpret_cast<void (*)()>(found));
    PIXELFORMATDESCRIPTOR descriptor{};
    const int count = DescribePixelFormat(deviceContext, 1, sizeof(descriptor), &descriptor);
    try {
        methods.assign(static_cast<std::size_t>(count > 0 ? count : 0), 0);
    } catch (const std::bad_alloc&) {
        return {};
    }
    const int attribute = kWglSwapMethodArb;
    for (int i = 1; i <= count; ++i) {
        int value = 0;
        if (getAttributes(deviceContext, i, 0, 1, &attribute, &value)) {
            methods[static_cast<std::size_t>(i) - 1] = value;
        }
    }
    return methods;
}

}  // namespace

std::vector<int> driverSwapMethods(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kFormatProbeClassName;
    if (RegisterClassA(&windowClass) == 0) {
        return {};
    }
    std::vector<int> methods;
    // Never shown: it only lends its device context to the question.
    HWND window = CreateWindowExA(0, kFormatProbeClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                  nullptr, instance, nullptr);
    HDC deviceContext = window != nullptr ? GetDC(window) : nullptr;
    if (deviceContext != nullptr) {
        selectPixelFormat(deviceContext);
        HGLRC context = wglCreateContext(deviceContext);
        if (context != nullptr) {
            if (wglMakeCurrent(deviceContext, context)) {
                methods = askSwapMethods(deviceContext);
                wglMakeCurrent(nullptr, nullptr);
            }
            wglDeleteContext(context);
        }
        ReleaseDC(window, deviceContext);
    }
    if (window != nullptr) {
        DestroyWindow(window);
    }
    UnregisterClassA(kFormatProbeClassName, instance);
    return methods;
}

PixelFormatInUse selectPixelFormat(HDC deviceContext, const std::vector<int>& swapMethods) {
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
        choice.consider(i, fieldsOf(descriptor), swapMethodOf(swapMethods, i));
    }
    if (choice.chosen() != 0) {
        DescribePixelFormat(deviceContext, choice.chosen(), sizeof(descriptor), &descriptor);
        SetPixelFormat(deviceContext, choice.chosen(), &descriptor);
        return pixelFormatInUse(deviceContext, swapMethods);
    }
    PIXELFORMATDESCRIPTOR wanted{};
    wanted.nSize = kFallbackDescriptorSize;
    wanted.nVersion = kFallbackDescriptorVersion;
    wanted.dwFlags = kFallbackPixelFormat.dwFlags;
    wanted.iPixelType = kFallbackPixelFormat.iPixelType;
    wanted.cColorBits = kFallbackPixelFormat.cColorBits;
    wanted.cDepthBits = kFallbackPixelFormat.cDepthBits;
    SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &wanted), &wanted);
    return pixelFormatInUse(deviceContext, swapMethods);
}

PixelFormatInUse pixelFormatInUse(HDC deviceContext, const std::vector<int>& swapMethods) {
    const int index = GetPixelFormat(deviceContext);
    PIXELFORMATDESCRIPTOR descriptor{};
    if (index == 0 ||
        DescribePixelFormat(deviceContext, index, sizeof(descriptor), &descriptor) == 0) {
        // Without a format there is no context and no picture to keep either.
        return PixelFormatInUse{0, {0, 0, 0, 0}, 0, true};
    }
    const PixelFormatFields fields = fieldsOf(descriptor);
    const int swapMethod = swapMethodOf(swapMethods, index);
    return PixelFormatInUse{index, fields, swapMethod, swapKeepsPicture(fields, swapMethod)};
}
