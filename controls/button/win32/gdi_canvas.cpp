#include "gdi_canvas.h"

namespace {

void ScreenTwipsPerPixel(double& x, double& y) {
    const HDC screen = GetDC(nullptr);
    const int dpiX = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    const int dpiY = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    x = TwipsPerPixelAt(dpiX > 0 ? dpiX : 96);
    y = TwipsPerPixelAt(dpiY > 0 ? dpiY : 96);
}

}  // namespace

GdiCanvas::GdiCanvas(HWND window, const FaceBitmaps& pictures)
    : window_(window), pictures_(pictures) {
    ScreenTwipsPerPixel(twipsPerPixelX_, twipsPerPixelY_);
}

GdiCanvas::~GdiCanvas() {
    release();
}

void GdiCanvas::release() {
    if (image_ != nullptr) {
        SelectObject(image_, oldBitmap_);
        DeleteDC(image_);
        image_ = nullptr;
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
    width_ = 0;
    height_ = 0;
}

void GdiCanvas::resize(int width, int height) {
    release();
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    image_ = CreateCompatibleDC(nullptr);
    if (bitmap_ == nullptr || image_ == nullptr) {
        release();
        return;
    }
    oldBitmap_ = SelectObject(image_, bitmap_);
    width_ = width;
    height_ = height;
    clear();
}

void GdiCanvas::paintTo(HDC dc) const {
    if (image_ != nullptr) {
        BitBlt(dc, 0, 0, width_, height_, image_, 0, 0, SRCCOPY);
    }
}

void GdiCanvas::clear() {
    if (image_ == nullptr) {
        return;
    }
    const RECT all{0, 0, width_, height_};
    FillRect(image_, &all, GetSysColorBrush(COLOR_BTNFACE));
}

void GdiCanvas::fillGradientV(const GradientVertex (&vertices)[2], const GradientRect& rect) {
    if (image_ == nullptr) {
        return;
    }
    TRIVERTEX corners[2];
    for (int i = 0; i < 2; ++i) {
        corners[i].x = vertices[i].x;
        corners[i].y = vertices[i].y;
        corners[i].Red = vertices[i].red;
        corners[i].Green = vertices[i].green;
        corners[i].Blue = vertices[i].blue;
        corners[i].Alpha = vertices[i].alpha;
    }
    GRADIENT_RECT between{rect.upperLeft, rect.lowerRight};
    GradientFill(image_, corners, 2, &between, 1, GRADIENT_FILL_RECT_V);
}

void GdiCanvas::paintPicture(FacePicture picture, const TwipRect& destination,
                             const TwipRect& source) {
    const HBITMAP bitmap = pictures_[FacePictureIndex(picture)];
    if (image_ == nullptr || bitmap == nullptr) {
        return;
    }
    const PixelRect to = PixelsFromTwips(destination, twipsPerPixelX_, twipsPerPixelY_);
    const PixelRect from = PixelsFromTwips(source, kPictureTwipsPerPixel, kPictureTwipsPerPixel);
    const HDC pictureDc = CreateCompatibleDC(image_);
    if (pictureDc == nullptr) {
        return;
    }
    const HGDIOBJ old = SelectObject(pictureDc, bitmap);
    // Whole pixels, no blending: a stretched edge repeats the picture's own
    // colours, and the software canvas does the same.
    SetStretchBltMode(image_, COLORONCOLOR);
    StretchBlt(image_, to.x, to.y, to.width, to.height, pictureDc, from.x, from.y, from.width,
               from.height, SRCCOPY);
    SelectObject(pictureDc, old);
    DeleteDC(pictureDc);
}

void GdiCanvas::refresh() {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
