#pragma once

#include <cstdint>

#include "preview_port.h"

inline constexpr std::uint32_t kChildWindowStyle = 0x40000000;  // WS_CHILD

// Turns the preview window into a child of the host, fills the host with it
// (the still at its natural size in the top-left corner, black elsewhere)
// and shows it. False, with no window made, when the handle names no window:
// nothing would ever end the program then, so the caller ends it at once.
bool SetUpPreview(PreviewPort& port, std::int32_t host);
