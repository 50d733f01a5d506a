#include "monitors.h"

#include <windows.h>

#include <new>

namespace {

using EnumDisplayMonitorsFunction = BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
using GetMonitorInfoFunction = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

// Looked up by name, so that the program still starts on the systems that
// came before multiple monitors.
template <typename Function>
Function userFunction(const char* name) {
    FARPROC found = GetProcAddress(GetModuleHandleA("user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

struct Listing {
    GetMonitorInfoFunction getMonitorInfo;
    std::vector<MonitorArea> monitors;
};

BOOL CALLBACK listMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    Listing& listing = *reinterpret_cast<Listing*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!listing.getMonitorInfo(monitor, &info)) {
        return TRUE;
    }
    const RECT& r = info.rcMonitor;
    try {
        listing.monitors.push_back(
            MonitorArea{{static_cast<int>(r.left), static_cast<int>(r.top),
                         static_cast<int>(r.right), static_cast<int>(r.bottom)},
                        (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    } catch (const std::bad_alloc&) {
        // No exception may cross the system's frames; the monitors listed so
        // far are what there is.
        return FALSE;
    }
    return TRUE;
}

}  // namespace

MonitorLayout currentMonitorLayout(MonitorChoice choice) {
    const ScreenRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    Listing listing{userFunction<GetMonitorInfoFunction>("GetMonitorInfoA"), {}};
    const auto enumDisplayMonitors =
        userFunction<EnumDisplayMonitorsFunction>("EnumDisplayMonitors");
    if (enumDisplayMonitors != nullptr && listing.getMonitorInfo != nullptr) {
        enumDisplayMonitors(nullptr, nullptr, listMonitor, reinterpret_cast<LPARAM>(&listing));
    }
    try {
        return monitorLayout(listing.monitors, screen, choice);
    } catch (const std::bad_alloc&) {
        // Without a painting the set-up fails, and the run ends quietly as
        // any that cannot have its memory.
        return MonitorLayout{screen, {}, {}};
    }
}
