#pragma once

#include <cstdint>
#include <string>

#include "bgm_settings.h"
#include "music_port.h"
#include "reply_buffer.h"

// The background music of a saver run: an audio CD played through or with one
// track repeated, or an MP3 or WAV file looped. It has no timer or window of
// its own; the saver-run window calls it when it loads, on its CD and MP3
// timer ticks and when it closes. Failures are never reported: music that
// cannot play simply does not play.
class Torvi_BGM {
  public:
    // settings and lastApiResult are the front-end's shared state and must
    // outlive the module.
    Torvi_BGM(MusicPort& port, const BgmSettings& settings, std::int32_t& lastApiResult)
        : port_(port), settings_(settings), LastApiResult(lastApiResult) {}

    Torvi_BGM(const Torvi_BGM&) = delete;
    Torvi_BGM& operator=(const Torvi_BGM&) = delete;

    // Opens the drive; the first CD_Poll starts the disc.
    void CD_Open();
    // One tick of the CD timer: restarts a stopped disc, or sends it back to
    // the repeat track. Clears CD_KeepPolling when there is no drive or disc
    // to poll, after which the caller stops polling for good.
    void CD_Poll();
    bool CD_KeepPolling() const { return keepPolling_; }
    void CD_Close();
    // While nobody looks at the screen: the disc stops where it is, and plays
    // on from there.
    void CD_Pause();
    void CD_Resume();

    // Opens BGM_File under the alias MP3Play and plays it.
    void MP3_Open();
    bool MP3_IsPlaying();
    // One tick of the MP3 timer: starts the file again from its beginning
    // whenever it is not playing.
    void MP3_Repeat();
    void MP3_Close();
    // The file stops where it is, and plays on from there.
    void MP3_Pause();
    void MP3_Resume();

    // Loops BGM_File asynchronously, if there is a wave output device.
    void WAV_Play();
    void WAV_Stop();

    // One command with its reply, or its error text when the result is not 0.
    // An empty command is not sent and gives -1.
    std::int32_t MCI_Send(const std::string& command, std::string& text);
    // The reply of a command, or "Error:" and the code when it failed.
    std::string MCI_Query(const std::string& command);
    // "play <device>", with " from <from>" and " to <to>" when given.
    std::int32_t MCI_Play(const std::string& device, const std::string& from,
                          const std::string& to);
    // The reply or error text of the last MCI_Query or MCI_Play.
    const std::string& MCI_LastText() const { return lastText_; }

  private:
    // False when the poll has to stop for the rest of the run.
    bool pollDisc();

    MusicPort& port_;
    const BgmSettings& settings_;
    std::int32_t& LastApiResult;

    bool keepPolling_ = false;
    std::string lastText_;

    ReplyBuffer<512> MCI_ReplyBuffer;
    ReplyBuffer<256> MCI_ErrorBuffer;
    ReplyBuffer<256> CD_ModeReply;
    ReplyBuffer<30> MP3_ModeReply;
};
