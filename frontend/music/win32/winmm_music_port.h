#pragma once

#include "music_port.h"

// The music port on the system's multimedia library (winmm), through its ANSI
// functions so that every command reaches the devices byte for byte.
class WinmmMusicPort final : public MusicPort {
  public:
    std::int32_t sendCommand(const char* command, char* reply, std::uint32_t replyLength) override;
    bool errorText(std::int32_t code, char* text, std::uint32_t length) override;
    std::uint32_t waveOutputDevices() override;
    std::int32_t playSound(const char* name, std::uint32_t flags) override;
};
