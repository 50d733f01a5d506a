#pragma once

#include <windows.h>

#include "display_power_notice.h"
#include "live_preview.h"
#include "preview_port.h"

// The preview window Torvi_R (caption "Preview Window", black, no icon, no
// border), in which the painting moves; where it cannot, its picture element
// Img_Prev draws the still at its natural size from its top-left corner over
// black. The program ends when Torvi_R is destroyed, as it is with the host
// window it has been put into.
class PreviewWindow : public PreviewPort {
  public:
    explicit PreviewWindow(HINSTANCE instance,
                           PixelFormatRequest livePainting = PixelFormatRequest::kBest)
        : instance_(instance), livePainting_(livePainting) {}
    ~PreviewWindow() override;

    PreviewWindow(const PreviewWindow&) = delete;
    PreviewWindow& operator=(const PreviewWindow&) = delete;

    bool getWindowRect(std::int32_t window, WindowRect& rect) override;
    bool createPreviewWindow() override;
    std::uint32_t getPreviewStyle() override;
    void setPreviewStyle(std::uint32_t style) override;
    void setPreviewParent(std::int32_t host) override;
    void movePreviewWindow(std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height) override;
    void movePicture(std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height) override;
    void showPreviewWindow() override;

    // The moving painting, for the message loop to draw; null where the
    // still shows.
    PaintedFrames* livePainting() { return live_.running() ? &live_ : nullptr; }
    // The window is going: the painting gives its graphics back.
    void stopPainting();
    // Looks whether the host is still there; ends the program when not.
    void watchHost();
    void displayPowerChanged(DisplayPower power) { live_.displayPowerChanged(power); }

  private:
    HINSTANCE instance_;
    PixelFormatRequest livePainting_;
    LivePreview live_;
    HWND window_ = nullptr;
    HWND host_ = nullptr;
    HWND picture_ = nullptr;
    DisplayPowerNotice displayPower_;
    HBITMAP still_ = nullptr;
};
