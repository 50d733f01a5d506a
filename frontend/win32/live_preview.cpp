#include "live_preview.h"

#include <new>

#include "renderer_settings.h"
#include "view_fit.h"

bool LivePreview::start(HWND window, PixelFormatRequest choice) {
    RECT client{};
    if (!GetClientRect(window, &client) || client.bottom <= 0 || client.right <= 0) {
        return false;
    }
    try {
        surface_ = std::make_unique<WglSurface>(window, choice);
        painting_ = std::make_unique<Painting>(*surface_, RendererSettings{});
    } catch (const std::bad_alloc&) {
        painting_.reset();
        surface_.reset();
        return false;
    }
    window_ = window;
    painting_->setSizeScale(miniatureSizeScale(client.bottom, GetSystemMetrics(SM_CYSCREEN)));
    const bool made = painting_->initGraphics(calendarTime());
    if (!made || !surface_->current()) {
        if (made) {
            painting_->releaseGraphics();
        }
        painting_.reset();
        surface_.reset();
        return false;
    }
    return true;
}

void LivePreview::stop() {
    if (painting_) {
        painting_->releaseGraphics();
        painting_.reset();
    }
    surface_.reset();
}

bool LivePreview::wantsFrame() {
    // The host may have taken the window away between two frames.
    return painting_ != nullptr && IsWindow(window_);
}

void LivePreview::drawFrame() {
    painting_->drawFrame();
}

bool LivePreview::swapControlled() {
    return surface_ != nullptr && surface_->swapControlled();
}
