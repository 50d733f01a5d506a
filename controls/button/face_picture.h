#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The six face pictures of the button, each 64 x 25 pixels; only their outer
// four pixels become the frame of a face.
enum class FacePicture { Normal, HighLight, HighLightSelect, Selected, Pressed, Disable };

inline constexpr FacePicture kFacePictures[] = {
    FacePicture::Normal,   FacePicture::HighLight, FacePicture::HighLightSelect,
    FacePicture::Selected, FacePicture::Pressed,   FacePicture::Disable,
};
inline constexpr std::size_t kFacePictureCount = std::size(kFacePictures);

inline constexpr int kFacePictureWidth = 64;
inline constexpr int kFacePictureHeight = 25;

// The picture's name as the control calls it ("HighLightSelect").
const char* FacePictureName(FacePicture picture);

// The picture of that exact name, or nothing.
std::optional<FacePicture> FacePictureNamed(std::string_view name);

inline std::size_t FacePictureIndex(FacePicture picture) {
    return static_cast<std::size_t>(picture);
}
