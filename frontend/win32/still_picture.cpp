#include "still_picture.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "resource_ids.h"

namespace {

// The resource's bytes in a movable global block, which is what a stream on
// memory is made from.
HGLOBAL CopyResource(HINSTANCE instance, int id) {
    const HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), RT_RCDATA);
    if (found == nullptr) {
        return nullptr;
    }
    const DWORD size = SizeofResource(instance, found);
    const HGLOBAL loaded = LoadResource(instance, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) {
        return nullptr;
    }
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (copy == nullptr) {
        return nullptr;
    }
    void* target = GlobalLock(copy);
    if (target == nullptr) {
        GlobalFree(copy);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(copy);
    return copy;
}

HBITMAP DecodeStream(IStream* stream) {
    IPicture* picture = nullptr;
    if (FAILED(
            OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture))) ||
        picture == nullptr) {
        return nullptr;
    }
    HBITMAP copy = nullptr;
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(picture->get_Handle(&handle)) && handle != 0) {
        // The picture object owns its bitmap and takes it along when it goes.
        // Its handle is 32 bits wide; on 64-bit Windows such handles are
        // sign-extended.
        const HANDLE bitmap =
            reinterpret_cast<HANDLE>(static_cast<INT_PTR>(static_cast<INT>(handle)));
        copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    }
    picture->Release();
    return copy;
}

}  // namespace

HBITMAP LoadPreviewStill(HINSTANCE instance) {
    const HGLOBAL bytes = CopyResource(instance, IDR_PREVIEW_STILL);
    if (bytes == nullptr) {
        return nullptr;
    }
    IStream* stream = nullptr;
    // The stream frees the block when it is released.
    if (FAILED(CreateStreamOnHGlobal(bytes, TRUE, &stream)) || stream == nullptr) {
        GlobalFree(bytes);
        return nullptr;
    }
    const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    const HBITMAP still = DecodeStream(stream);
    stream->Release();
    if (comStarted) {
        CoUninitialize();
    }
    return still;
}
