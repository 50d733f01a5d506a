#pragma once

#include <windows.h>

#include <vector>

#include "gradient.h"

// The persistent picture of one of the dialog's containers (the dialog's
// client area or the music panel): the shading that PaintGradient draws into
// it when the window is sized, kept for every later repaint, with the
// outlines that lie on it. The labels and marks on the container draw the
// part of it that lies behind them first, so they show no box of their own.
class DialogBackground : public GradientSurface {
  public:
    explicit DialogBackground(HWND window) : window_(window) {}
    ~DialogBackground() override;

    DialogBackground(const DialogBackground&) = delete;
    DialogBackground& operator=(const DialogBackground&) = delete;

    // A fresh picture the size of the window's client area, black until
    // painted.
    void fitToWindow();

    // A rectangle outline (the Shape control), one pixel wide, in the
    // container's pixels.
    void addOutline(const RECT& outline, COLORREF colour);

    std::int32_t innerWidth() override;
    std::int32_t innerHeight() override;
    void drawRow(std::int32_t y, std::int32_t width, std::uint32_t colour) override;

    // Draws the part of the picture whose top-left corner lies at `origin` in
    // the container onto dc at (0, 0), `size` large.
    void paintPart(HDC dc, POINT origin, SIZE size) const;

    // The container's picture, for a child window that lies on it; null
    // when the parent has none.
    static const DialogBackground* Of(HWND container);
    // Makes the picture the container's, for its children to find; the
    // container lets go of it when its window goes.
    void attach();
    static void Detach(HWND container);

  private:
    struct Outline {
        RECT rect;
        COLORREF colour;
    };

    void release();

    HWND window_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    SIZE size_{0, 0};
    std::vector<Outline> outlines_;
};

// Paints a container window (the dialog or the panel) from its picture, with
// the outlines on it.
void PaintContainer(HWND window);
