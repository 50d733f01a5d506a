#include "display_power_notice.h"

#include <cstring>

namespace {

// GUID_CONSOLE_DISPLAY_STATE, {6FE69556-704A-47A0-8F24-C28D936FDA47}.
constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

constexpr WPARAM kPowerSettingChange = 0x8013;  // PBT_POWERSETTINGCHANGE

// POWERBROADCAST_SETTING, as the message's lParam points to it.
struct PowerSetting {
    GUID setting;
    DWORD dataLength;
    UCHAR data[1];
};

using RegisterProc = HANDLE(WINAPI*)(HANDLE, LPCGUID, DWORD);
using UnregisterProc = BOOL(WINAPI*)(HANDLE);

// Looked up at run time, so that the programs still start on systems that
// lack them.
template <typename Proc>
Proc user32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

}  // namespace

void DisplayPowerNotice::start(HWND window) {
    stop();
    if (const auto registerNotice =
            user32Function<RegisterProc>("RegisterPowerSettingNotification")) {
        registration_ = registerNotice(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
}

void DisplayPowerNotice::stop() {
    if (registration_ == nullptr) {
        return;
    }
    if (const auto unregister =
            user32Function<UnregisterProc>("UnregisterPowerSettingNotification")) {
        unregister(registration_);
    }
    registration_ = nullptr;
}

std::optional<DisplayPower> DisplayPowerNotice::read(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_POWERBROADCAST || wParam != kPowerSettingChange || lParam == 0) {
        return std::nullopt;
    }
    const auto* setting = reinterpret_cast<const PowerSetting*>(lParam);
    if (!IsEqualGUID(setting->setting, kConsoleDisplayState) ||
        setting->dataLength < sizeof(DWORD)) {
        return std::nullopt;
    }
    DWORD value = 0;
    std::memcpy(&value, setting->data, sizeof value);
    return displayPowerOf(value);
}
