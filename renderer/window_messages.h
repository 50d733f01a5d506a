#pragma once

#include <cstdint>

// The window messages and system commands the renderer's window procedure
// looks at, with the numbers the Windows headers give them, so that the close
// rules can be decided and tested without the platform.
constexpr std::uint32_t kWmCreate = 0x0001;
constexpr std::uint32_t kWmDestroy = 0x0002;
constexpr std::uint32_t kWmClose = 0x0010;
constexpr std::uint32_t kWmShowWindow = 0x0018;
constexpr std::uint32_t kWmActivateApp = 0x001C;
constexpr std::uint32_t kWmSetCursor = 0x0020;
constexpr std::uint32_t kWmKeyDown = 0x0100;
constexpr std::uint32_t kWmSysKeyDown = 0x0104;
constexpr std::uint32_t kWmSysCommand = 0x0112;
constexpr std::uint32_t kWmMouseMove = 0x0200;
constexpr std::uint32_t kWmLButtonDown = 0x0201;
constexpr std::uint32_t kWmRButtonDown = 0x0204;
constexpr std::uint32_t kWmMButtonDown = 0x0207;

constexpr std::uintptr_t kScNextWindow = 0xF040;
constexpr std::uintptr_t kScPrevWindow = 0xF050;
constexpr std::uintptr_t kScScreenSave = 0xF140;
