#include "face_bitmaps.h"

#include "face_resource_ids.h"

namespace {

constexpr int kResourceIds[] = {IDB_FACE_NORMAL,   IDB_FACE_HIGHLIGHT, IDB_FACE_HIGHLIGHTSELECT,
                                IDB_FACE_SELECTED, IDB_FACE_PRESSED,   IDB_FACE_DISABLE};
static_assert(std::size(kResourceIds) == kFacePictureCount);

}  // namespace

const FaceBitmaps& LoadFaceBitmaps(HINSTANCE instance) {
    static const FaceBitmaps bitmaps = [instance] {
        FaceBitmaps loaded{};
        for (std::size_t i = 0; i < kFacePictureCount; ++i) {
            // As a section of their own 24-bit pixels, so that no display
            // format changes a colour before they are copied.
            loaded[i] = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(kResourceIds[i]),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        }
        return loaded;
    }();
    return bitmaps;
}
