#pragma once

#include <windows.h>

#include <cstdint>

// Window handles travel as 32-bit numbers (the command line's preview host).
// Only their low 32 bits count, also on 64-bit Windows, where they are
// sign-extended back into a handle.
inline HWND HandleFromNumber(std::int32_t number) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(number));
}

inline std::int32_t NumberFromHandle(HWND window) {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window));
}
