#include <string>

#include "torvi_bgm.h"

void Torvi_BGM::MP3_Open() {
    const std::string& file = settings_.BGM_File;
    // The quotes keep a path with blanks in one piece. No file name holds a
    // quote, and one that did would end the path early and let the rest be
    // read as options of the open, so such a setting is treated as a file
    // that cannot be opened.
    if (file.find('"') != std::string::npos) {
        return;
    }
    const std::string command = "open \"" + file + "\" type MPEGVideo Alias MP3Play";
    if (port_.sendCommand(command.c_str(), nullptr, 0) == 0) {
        port_.sendCommand("play MP3Play", nullptr, 0);
    }
}

bool Torvi_BGM::MP3_IsPlaying() {
    port_.sendCommand("status MP3Play mode", MP3_ModeReply.data(), MP3_ModeReply.size());
    return MP3_ModeReply.text().substr(0, 7) == "playing";
}

void Torvi_BGM::MP3_Repeat() {
    if (MP3_IsPlaying()) {
        return;
    }
    // Paused and not ready count as ended too: the file always comes back
    // from its beginning, at most one timer tick of silence later.
    port_.sendCommand("stop MP3Play", nullptr, 0);
    port_.sendCommand("play MP3Play from 0", nullptr, 0);
}

void Torvi_BGM::MP3_Close() {
    port_.sendCommand("stop MP3Play", nullptr, 0);
    port_.sendCommand("close MP3Play", nullptr, 0);
}

void Torvi_BGM::MP3_Pause() {
    port_.sendCommand("pause MP3Play", nullptr, 0);
}

void Torvi_BGM::MP3_Resume() {
    // Without "from" the file plays on from where it was paused.
    port_.sendCommand("play MP3Play", nullptr, 0);
}

void Torvi_BGM::WAV_Play() {
    if (port_.waveOutputDevices() > 0) {
        LastApiResult = port_.playSound(settings_.BGM_File.c_str(), kSoundAsync | kSoundLoop);
    }
}

void Torvi_BGM::WAV_Stop() {
    LastApiResult = port_.playSound(nullptr, 0);
}
