#include "winmm_music_port.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

std::int32_t WinmmMusicPort::sendCommand(const char* command, char* reply,
                                         std::uint32_t replyLength) {
    return static_cast<std::int32_t>(::mciSendStringA(command, reply, replyLength, nullptr));
}

bool WinmmMusicPort::errorText(std::int32_t code, char* text, std::uint32_t length) {
    return ::mciGetErrorStringA(static_cast<MCIERROR>(code), text, length) != FALSE;
}

std::uint32_t WinmmMusicPort::waveOutputDevices() {
    return ::waveOutGetNumDevs();
}

std::int32_t WinmmMusicPort::playSound(const char* name, std::uint32_t flags) {
    return ::PlaySoundA(name, nullptr, flags);
}
