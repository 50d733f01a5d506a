#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "music_port.h"

// Answers commands from a script, as the multimedia service would, and
// records every call. Like the service's ANSI entry, it writes a reply (and
// its NUL) only over the front of the buffer and only on success, leaving
// the rest as it was.
class FakeMusicPort : public MusicPort {
  public:
    struct Answer {
        std::int32_t code = 0;
        std::string reply;
    };
    struct Call {
        std::string command;
        const char* reply;
        std::uint32_t length;
    };

    // Unscripted commands succeed with an empty reply.
    std::map<std::string, Answer> answers;
    std::map<std::int32_t, std::string> errorTexts;
    // A command that makes the service throw, as a failing step would.
    std::string throwOn;
    std::uint32_t waveDevices = 1;
    std::int32_t playSoundResult = 1;

    std::vector<Call> calls;
    std::uint32_t errorTextLength = 0;
    std::vector<std::string> sounds;  // "name|flags", "null|flags" to stop

    std::vector<std::string> sent() const {
        std::vector<std::string> commands;
        for (const Call& call : calls) {
            commands.push_back(call.command);
        }
        return commands;
    }

    std::int32_t sendCommand(const char* command, char* reply, std::uint32_t replyLength) override {
        calls.push_back({command, reply, replyLength});
        if (command == throwOn) {
            throw std::runtime_error("device failure");
        }
        const Answer answer = answers[command];
        if (answer.code == 0 && reply != nullptr && replyLength > 0) {
            const std::size_t n = std::min<std::size_t>(answer.reply.size(), replyLength - 1);
            std::memcpy(reply, answer.reply.data(), n);
            reply[n] = '\0';
        }
        return answer.code;
    }

    bool errorText(std::int32_t code, char* text, std::uint32_t length) override {
        errorTextLength = length;
        const auto found = errorTexts.find(code);
        if (found == errorTexts.end()) {
            return false;
        }
        const std::size_t n = std::min<std::size_t>(found->second.size(), length - 1);
        std::memcpy(text, found->second.data(), n);
        text[n] = '\0';
        return true;
    }

    std::uint32_t waveOutputDevices() override { return waveDevices; }

    std::int32_t playSound(const char* name, std::uint32_t flags) override {
        sounds.push_back(std::string(name ? name : "null") + "|" + std::to_string(flags));
        return playSoundResult;
    }
};
