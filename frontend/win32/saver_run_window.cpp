#include "saver_run_window.h"

#include <memory>

#include "display_power_notice.h"
#include "saver_run.h"
#include "torvi_bgm.h"
#include "win32_saver_run_port.h"
#include "window_titles.h"
#include "winmm_music_port.h"

namespace {

constexpr char kSaverRunClass[] = "Torvi_S";

// Everything the window's handlers use, made once per process.
struct SaverRunWindow {
    SaverRunWindow(HWND window, FrontEndState& state)
        : port(window),
          music(musicPort, state.settings, state.LastApiResult),
          run(port, state, music) {}

    Win32SaverRunPort port;
    WinmmMusicPort musicPort;
    Torvi_BGM music;
    Torvi_S run;
    DisplayPowerNotice displayPower;
};

// The run ends the process from its close handler, so this is never freed.
std::unique_ptr<SaverRunWindow> theSaverRun;

LRESULT CALLBACK SaverRunProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (theSaverRun == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    Torvi_S& run = theSaverRun->run;
    switch (message) {
        case WM_TIMER:
            run.Tick(static_cast<SaverTimer>(wParam));
            return 0;
        case WM_CLOSE:
            // From another program or the system: the run ends as when the
            // renderer is gone, only the renderer is left to its own rules.
            run.Close();
            return 0;
        case WM_POWERBROADCAST:
            if (const auto power = DisplayPowerNotice::read(message, wParam, lParam)) {
                run.DisplayPowerChanged(*power);
                return TRUE;
            }
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_ENDSESSION:
            // Windows is shutting down and will not wait for the music.
            if (wParam != FALSE) {
                run.Close();
            }
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterSaverRunClass(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kSaverRunClass, &existing)) {
        return true;
    }
    WNDCLASSA saverRun{};
    saverRun.lpfnWndProc = SaverRunProc;
    saverRun.hInstance = instance;
    saverRun.lpszClassName = kSaverRunClass;
    return RegisterClassA(&saverRun) != 0;
}

}  // namespace

bool LoadSaverRunWindow(HINSTANCE instance, FrontEndState& state) {
    if (!RegisterSaverRunClass(instance)) {
        return false;
    }
    // A top-level window, so that a second start finds it by its caption; it
    // is never shown.
    const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kSaverRunClass, kSaverRunTitle, WS_POPUP,
                                        0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return false;
    }
    theSaverRun = std::make_unique<SaverRunWindow>(window, state);
    theSaverRun->displayPower.start(window);
    theSaverRun->run.Create();
    theSaverRun->run.Load();
    return true;
}
