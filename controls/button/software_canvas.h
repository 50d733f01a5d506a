#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "face_canvas.h"
#include "rgb_image.h"

// The six face pictures, in the order of kFacePictures.
using FacePictureSet = std::array<RgbImage, kFacePictureCount>;

// Reads <folder>/<Name>.bmp for each of the six pictures. On failure returns
// false and says why in `error`.
bool ReadFacePictureFiles(const std::string& folder, FacePictureSet& pictures, std::string& error);

// A face canvas in memory, for the tests and the tools: the same steps as the
// window's canvas, done by hand. Edges are stretched by taking for each
// target pixel the source pixel under its centre.
class SoftwareCanvas : public FaceCanvas {
  public:
    static constexpr std::uint32_t kBackground = 0xECE9D8;  // the dialog's beige, 0xRRGGBB

    SoftwareCanvas(int width, int height, const FacePictureSet& pictures, int dotsPerInch = 96);

    int pixelWidth() const override { return image_.width; }
    int pixelHeight() const override { return image_.height; }
    double twipsPerPixelX() const override { return twipsPerPixel_; }
    double twipsPerPixelY() const override { return twipsPerPixel_; }
    void clear() override;
    void fillGradientV(const GradientVertex (&vertices)[2], const GradientRect& rect) override;
    void paintPicture(FacePicture picture, const TwipRect& destination,
                      const TwipRect& source) override;
    void refresh() override { ++refreshes_; }

    // A new size, as when the control is resized; the image is cleared.
    void resize(int width, int height);

    const RgbImage& image() const { return image_; }
    int refreshes() const { return refreshes_; }

  private:
    RgbImage image_;
    const FacePictureSet& pictures_;
    double twipsPerPixel_;
    int refreshes_ = 0;
};
