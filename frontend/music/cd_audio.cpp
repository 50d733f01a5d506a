#include <string>

#include "torvi_bgm.h"
#include "track_number.h"

namespace {

// How a caller recognises MCI_Query's "Error:" + code.
bool ReportsError(std::string reply) {
    for (char& c : reply) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return reply.find("ERR") != std::string::npos;
}

}  // namespace

void Torvi_BGM::CD_Open() {
    LastApiResult = port_.sendCommand("open cdaudio", nullptr, 0);
    // Positions are then given and reported as tracks:minutes:seconds:frames,
    // so a track's start can be fed straight back into a play command.
    LastApiResult = port_.sendCommand("set cdaudio time format tmsf", nullptr, 0);
}

void Torvi_BGM::CD_Poll() {
    keepPolling_ = true;
    // A failure of any kind inside the poll stops it for the rest of the run
    // rather than let the timer retry a broken drive five times a second.
    try {
        keepPolling_ = pollDisc();
    } catch (...) {
        keepPolling_ = false;
    }
}

bool Torvi_BGM::pollDisc() {
    // Without a drive or a disc these two fail; nothing else needs a look.
    const std::string current = MCI_Query("status cdaudio current track");
    if (ReportsError(current)) {
        return false;
    }
    if (ReportsError(MCI_Query("status cdaudio number of tracks"))) {
        return false;
    }

    // One byte short of the buffer, so that its last byte stays the NUL that
    // ends any reply.
    LastApiResult =
        port_.sendCommand("status cdaudio mode", CD_ModeReply.data(), CD_ModeReply.size() - 1);
    const bool stopped = CD_ModeReply.text().substr(0, 7) == "stopped";

    const std::int16_t repeatTrack = settings_.BGM_RepeatTrack;
    if (repeatTrack == 0) {
        if (stopped) {
            MCI_Play("cdaudio", "", "");
        }
        return true;
    }

    const auto track = TrackNumber(current);
    if (!track) {
        return false;
    }
    // Play runs on past the end of the repeat track; the tick that sees the
    // next track sends the disc back, so at most one tick of it is heard.
    if (stopped || *track != repeatTrack) {
        const std::string start =
            MCI_Query("status cdaudio position track " + std::to_string(repeatTrack));
        MCI_Play("cdaudio", start, "");
    }
    return true;
}

void Torvi_BGM::CD_Close() {
    LastApiResult = port_.sendCommand("stop cdaudio", nullptr, 0);
    LastApiResult = port_.sendCommand("close cdaudio", nullptr, 0);
}

void Torvi_BGM::CD_Pause() {
    LastApiResult = port_.sendCommand("pause cdaudio", nullptr, 0);
}

void Torvi_BGM::CD_Resume() {
    // A play without a position goes on from where the pause left the disc;
    // the next poll sends it back to the repeat track where it has to.
    MCI_Play("cdaudio", "", "");
}
