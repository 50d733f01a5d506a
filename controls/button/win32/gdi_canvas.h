#pragma once

#include <windows.h>

#include "face_bitmaps.h"
#include "face_canvas.h"

// The button's persistent surface image on GDI: a bitmap of the window's
// size in a memory context, painted with GradientFill (msimg32) and StretchBlt
// and copied to the window when it is repainted.
class GdiCanvas : public FaceCanvas {
  public:
    GdiCanvas(HWND window, const FaceBitmaps& pictures);
    ~GdiCanvas() override;

    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    // A new, cleared image for the window's new size.
    void resize(int width, int height);
    // Copies the image to the window's context.
    void paintTo(HDC dc) const;

    int pixelWidth() const override { return width_; }
    int pixelHeight() const override { return height_; }
    double twipsPerPixelX() const override { return twipsPerPixelX_; }
    double twipsPerPixelY() const override { return twipsPerPixelY_; }
    void clear() override;
    void fillGradientV(const GradientVertex (&vertices)[2], const GradientRect& rect) override;
    void paintPicture(FacePicture picture, const TwipRect& destination,
                      const TwipRect& source) override;
    void refresh() override;

  private:
    void release();

    HWND window_;
    const FaceBitmaps& pictures_;
    double twipsPerPixelX_;
    double twipsPerPixelY_;
    int width_ = 0;
    int height_ = 0;
    HDC image_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};
