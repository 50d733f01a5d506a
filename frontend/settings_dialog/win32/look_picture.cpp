#include "look_picture.h"

#include <cmath>
#include <memory>
#include <new>

#include "bitmap_surface.h"
#include "frame_clock.h"
#include "frame_pace.h"
#include "painting.h"
#include "view_fit.h"

namespace {

constexpr wchar_t kLookPictureClass[] = L"Torvi_P.Look";
constexpr UINT_PTR kStepTimer = 1;
// Shorter than a step, so that no step is late by more than the timer's own
// coarseness.
constexpr UINT kStepTimerMilliseconds = 10;
// A picture that fell further behind (the dialog was busy) goes on from now
// rather than hurry.
constexpr long kMostStepsAtOnce = 2;

class LookPicture {
  public:
    explicit LookPicture(HWND window) : window_(window) {}
    ~LookPicture() { stop(); }

    void show(const RendererSettings& settings) {
        stop();
        RECT client{};
        GetClientRect(window_, &client);
        if (client.right <= 0 || client.bottom <= 0) {
            return;
        }
        try {
            surface_ = std::make_unique<BitmapSurface>(client.right, client.bottom);
            painting_ = std::make_unique<Painting>(*surface_, settings);
        } catch (const std::bad_alloc&) {
            painting_.reset();
            surface_.reset();
            return;
        }
        painting_->setSizeScale(miniatureSizeScale(client.bottom, GetSystemMetrics(SM_CYSCREEN)));
        if (!painting_->initGraphics(calendarTime())) {
            painting_.reset();
            surface_.reset();
        }
        restartClock();
        InvalidateRect(window_, nullptr, FALSE);
    }

    void run(bool running) {
        if (running == running_) {
            return;
        }
        running_ = running;
        if (running) {
            restartClock();
            SetTimer(window_, kStepTimer, kStepTimerMilliseconds, nullptr);
        } else {
            KillTimer(window_, kStepTimer);
        }
    }

    // The steps that are due by now, one frame for them all.
    void tick() {
        if (painting_ == nullptr || !running_) {
            return;
        }
        const long due =
            static_cast<long>(std::floor((clock_.now() - start_) / kPaintingStepSeconds));
        long steps = due - stepped_;
        if (steps <= 0) {
            return;
        }
        if (steps > kMostStepsAtOnce) {
            steps = 1;
        }
        stepped_ = due;
        surface_->makeCurrent();
        painting_->drawFrame(static_cast<int>(steps));
        InvalidateRect(window_, nullptr, FALSE);
    }

    void paint(HDC dc) const {
        RECT client{};
        GetClientRect(window_, &client);
        if (surface_ != nullptr && surface_->current()) {
            surface_->showAt(dc, 0, 0);
        } else {
            FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
    }

  private:
    void stop() {
        if (painting_ != nullptr) {
            surface_->makeCurrent();
            painting_->releaseGraphics();
        }
        painting_.reset();
        surface_.reset();
    }

    void restartClock() {
        start_ = clock_.now();
        stepped_ = 0;
    }

    HWND window_;
    FrameClock clock_;
    double start_ = 0.0;
    long stepped_ = 0;
    bool running_ = false;
    std::unique_ptr<BitmapSurface> surface_;
    std::unique_ptr<Painting> painting_;
};

LookPicture* PictureOf(HWND window) {
    return reinterpret_cast<LookPicture*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK LookPictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LookPicture* picture = PictureOf(window);
    switch (message) {
        case WM_NCDESTROY:
            delete picture;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        case WM_TIMER:
            if (picture != nullptr && wParam == kStepTimer) {
                picture->tick();
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(window, &paint);
            if (picture != nullptr) {
                picture->paint(dc);
            }
            EndPaint(window, &paint);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RegisterLookPictureClass(HINSTANCE instance) {
    WNDCLASSW existing;
    if (GetClassInfoW(instance, kLookPictureClass, &existing)) {
        return true;
    }
    WNDCLASSW picture{};
    picture.lpfnWndProc = LookPictureProc;
    picture.hInstance = instance;
    picture.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    picture.lpszClassName = kLookPictureClass;
    return RegisterClassW(&picture) != 0;
}

HWND CreateLookPicture(HWND container, int id, const RECT& placement) {
    const HWND window = CreateWindowExW(
        0, kLookPictureClass, L"", WS_CHILD | WS_VISIBLE, placement.left, placement.top,
        placement.right - placement.left, placement.bottom - placement.top, container,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(container, GWLP_HINSTANCE)), nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    try {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new LookPicture(window)));
    } catch (const std::bad_alloc&) {
        // A picture that stays empty.
    }
    return window;
}

void ShowLookIn(HWND picture, const RendererSettings& settings) {
    if (LookPicture* look = PictureOf(picture)) {
        look->show(settings);
    }
}

void RunLookPicture(HWND picture, bool running) {
    if (LookPicture* look = PictureOf(picture)) {
        look->run(running);
    }
}
