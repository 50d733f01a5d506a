#include "face_picture.h"

namespace {

constexpr const char* kNames[] = {"Normal",   "HighLight", "HighLightSelect",
                                  "Selected", "Pressed",   "Disable"};
static_assert(std::size(kNames) == kFacePictureCount);

}  // namespace

const char* FacePictureName(FacePicture picture) {
    return kNames[FacePictureIndex(picture)];
}

std::optional<FacePicture> FacePictureNamed(std::string_view name) {
    for (FacePicture picture : kFacePictures) {
        if (name == FacePictureName(picture)) {
            return picture;
        }
    }
    return std::nullopt;
}
