#include "dialog_background.h"

namespace {

constexpr wchar_t kBackgroundProperty[] = L"Velmora.Background";

}  // namespace

DialogBackground::~DialogBackground() {
    if (IsWindow(window_) && GetPropW(window_, kBackgroundProperty) == this) {
        Detach(window_);
    }
    release();
}

void DialogBackground::release() {
    if (dc_ != nullptr) {
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
    size_ = {0, 0};
}

void DialogBackground::fitToWindow() {
    RECT client;
    if (!GetClientRect(window_, &client)) {
        return;
    }
    const SIZE wanted{client.right - client.left, client.bottom - client.top};
    if (wanted.cx == size_.cx && wanted.cy == size_.cy && dc_ != nullptr) {
        return;
    }
    release();
    if (wanted.cx <= 0 || wanted.cy <= 0) {
        return;
    }
    const HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, wanted.cx, wanted.cy);
    ReleaseDC(nullptr, screen);
    if (dc_ == nullptr || bitmap_ == nullptr) {
        release();
        return;
    }
    oldBitmap_ = SelectObject(dc_, bitmap_);
    size_ = wanted;
    const RECT all{0, 0, size_.cx, size_.cy};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void DialogBackground::addOutline(const RECT& outline, COLORREF colour) {
    outlines_.push_back({outline, colour});
}

std::int32_t DialogBackground::innerWidth() {
    return size_.cx;
}

std::int32_t DialogBackground::innerHeight() {
    return size_.cy;
}

void DialogBackground::drawRow(std::int32_t y, std::int32_t width, std::uint32_t colour) {
    if (dc_ == nullptr) {
        return;
    }
    // A line leaves out its end point, as the row's width does.
    const HPEN pen = CreatePen(PS_SOLID, 1, colour);
    const HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, 0, y, nullptr);
    LineTo(dc_, width, y);
    SelectObject(dc_, old);
    DeleteObject(pen);
}

void DialogBackground::paintPart(HDC dc, POINT origin, SIZE size) const {
    if (dc_ != nullptr) {
        BitBlt(dc, 0, 0, size.cx, size.cy, dc_, origin.x, origin.y, SRCCOPY);
    }
    for (const Outline& outline : outlines_) {
        RECT frame = outline.rect;
        OffsetRect(&frame, -origin.x, -origin.y);
        const HBRUSH brush = CreateSolidBrush(outline.colour);
        FrameRect(dc, &frame, brush);
        DeleteObject(brush);
    }
}

const DialogBackground* DialogBackground::Of(HWND container) {
    return static_cast<const DialogBackground*>(GetPropW(container, kBackgroundProperty));
}

void DialogBackground::attach() {
    SetPropW(window_, kBackgroundProperty, this);
}

void DialogBackground::Detach(HWND container) {
    RemovePropW(container, kBackgroundProperty);
}

void PaintContainer(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    if (const DialogBackground* background = DialogBackground::Of(window)) {
        background->paintPart(dc, {0, 0}, {client.right, client.bottom});
    }
    EndPaint(window, &paint);
}
