#include "live_preview.h"

#include <new>

#include "painting_settings_file.h"
#include "renderer_settings.h"
#include "setup_log.h"
#include "view_fit.h"

bool LivePreview::start(HWND window, HWND host, PixelFormatRequest choice) {
    RECT client{};
    if (!GetClientRect(window, &client) || client.bottom <= 0 || client.right <= 0) {
        return false;
    }
    // The look a run of Velmora.dll beside this program would paint.
    const std::uint32_t seed = calendarTime();
    try {
        surface_ = std::make_unique<WglSurface>(window, choice);
        painting_ = std::make_unique<Painting>(*surface_,
                                               readRendererSettings(runningProgramFolder(), seed));
    } catch (const std::bad_alloc&) {
        painting_.reset();
        surface_.reset();
        return false;
    }
    window_ = window;
    host_ = host;
    painting_->setSizeScale(miniatureSizeScale(client.bottom, GetSystemMetrics(SM_CYSCREEN)));
    const bool made = painting_->initGraphics(seed);
    if (!made || !surface_->current()) {
        if (made) {
            painting_->releaseGraphics();
        }
        painting_.reset();
        surface_.reset();
        return false;
    }
    logSetUp(*surface_, *painting_);
    return true;
}

void LivePreview::stop() {
    if (painting_) {
        painting_->releaseGraphics();
        painting_.reset();
    }
    surface_.reset();
}

bool LivePreview::ended() {
    // A host whose process was killed takes its window along without telling
    // the preview, which is then left drawing for nobody.
    return painting_ == nullptr || !IsWindow(window_) || (host_ != nullptr && !IsWindow(host_));
}

bool LivePreview::wantsFrame() {
    return painting_ != nullptr && !displayDark_;
}

void LivePreview::drawFrame(int steps) {
    painting_->drawFrame(steps);
}

FrameSchedule::Pacing LivePreview::pacing() {
    return surface_ != nullptr ? surface_->pacing()
                               : FrameSchedule::Pacing{kPaintingStepSeconds, false, false};
}
