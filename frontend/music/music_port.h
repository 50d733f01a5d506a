#pragma once

#include <cstdint>

// What the music module needs from the system: the multimedia command-string
// service (mciSendStringA, mciGetErrorStringA) and the wave-sound functions
// (waveOutGetNumDevs, PlaySoundA). Strings go through byte for byte, as the
// "A" functions take them; the music file's path is in the ANSI code page, or
// its short form, as Velmora.ini keeps it.
class MusicPort {
  public:
    virtual ~MusicPort() = default;

    // Sends one command without a callback window and returns 0 or the
    // service's error code. A reply is written NUL-terminated into the first
    // replyLength bytes of reply; the bytes behind it keep what they held.
    // reply may be null when replyLength is 0.
    virtual std::int32_t sendCommand(const char* command, char* reply,
                                     std::uint32_t replyLength) = 0;
    // Writes the text of an error code into text; false when the service has
    // none to give.
    virtual bool errorText(std::int32_t code, char* text, std::uint32_t length) = 0;
    // The number of wave output devices.
    virtual std::uint32_t waveOutputDevices() = 0;
    // Plays a sound by name (sound alias first, then file name); a null name
    // stops the sound that plays. Returns the call's BOOL.
    virtual std::int32_t playSound(const char* name, std::uint32_t flags) = 0;
};

constexpr std::uint32_t kSoundAsync = 0x0001;
constexpr std::uint32_t kSoundLoop = 0x0008;
