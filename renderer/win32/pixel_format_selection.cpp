#include "pixel_format_selection.h"

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

PixelFormatInUse pixelFormatInUse(HDC deviceContext) {
    PixelFormatInUse current{GetPixelFormat(deviceContext), {0, 0, 0, 0}};
    PIXELFORMATDESCRIPTOR descriptor{};
    if (current.index == 0 ||
        DescribePixelFormat(deviceContext, current.index, sizeof(descriptor), &descriptor) == 0) {
        return PixelFormatInUse{0, {0, 0, 0, 0}};
    }
    current.fields = fieldsOf(descriptor);
    return current;
}
