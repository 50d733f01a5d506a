#pragma once

#include <cstdint>

// What Windows says of the console's display (GUID_CONSOLE_DISPLAY_STATE):
// off, on, or dimmed before it goes off.
enum class DisplayPower { kOff = 0, kOn = 1, kDimmed = 2 };

// A value Windows does not define counts as on: the painting rather goes on
// than stays dark by mistake.
inline DisplayPower displayPowerOf(std::uint32_t value) {
    return value == 0 ? DisplayPower::kOff : value == 2 ? DisplayPower::kDimmed : DisplayPower::kOn;
}

// Nobody looks at a display that is off or dimmed: no frames are drawn for it.
inline bool displayShowsPicture(DisplayPower power) {
    return power == DisplayPower::kOn;
}
