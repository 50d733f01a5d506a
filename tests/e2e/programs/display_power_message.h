#pragma once

// The notice Windows sends a window that asked to hear of the display's
// power (WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, with a
// POWERBROADCAST_SETTING for GUID_CONSOLE_DISPLAY_STATE), sent by a test as
// Windows sends it: the setting lies in the receiver's own memory.

#include <windows.h>

#include <cstddef>
#include <cstring>

// 0 off, 1 on, 2 dimmed. False when the window is not there or the message
// could not be delivered.
inline bool SendDisplayPower(HWND window, DWORD value) {
    static const GUID kConsoleDisplayState = {
        0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
    constexpr WPARAM kPowerSettingChange = 0x8013;
    struct Setting {
        GUID setting;
        DWORD dataLength;
        DWORD data;
    } setting{kConsoleDisplayState, sizeof(DWORD), value};
    static_assert(offsetof(Setting, data) == sizeof(GUID) + sizeof(DWORD), "laid out as Windows");

    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0) {
        return false;
    }
    DWORD_PTR result = 0;
    if (processId == GetCurrentProcessId()) {
        return SendMessageTimeoutA(window, WM_POWERBROADCAST, kPowerSettingChange,
                                   reinterpret_cast<LPARAM>(&setting), SMTO_NORMAL, 5000,
                                   &result) != 0;
    }
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) {
        return false;
    }
    void* remote =
        VirtualAllocEx(process, nullptr, sizeof setting, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    bool sent = false;
    if (remote != nullptr &&
        WriteProcessMemory(process, remote, &setting, sizeof setting, nullptr)) {
        sent =
            SendMessageTimeoutA(window, WM_POWERBROADCAST, kPowerSettingChange,
                                reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 5000, &result) != 0;
    }
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return sent;
}

inline DWORD DisplayPowerValue(const char* name) {
    return std::strcmp(name, "off") == 0 ? 0 : std::strcmp(name, "dimmed") == 0 ? 2 : 1;
}
