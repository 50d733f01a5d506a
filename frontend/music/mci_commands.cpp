#include <string>

#include "texts.h"
#include "torvi_bgm.h"

std::int32_t Torvi_BGM::MCI_Send(const std::string& command, std::string& text) {
    if (command.empty()) {
        text = kNoCommand;
        return -1;
    }
    const std::int32_t code =
        port_.sendCommand(command.c_str(), MCI_ReplyBuffer.data(), MCI_ReplyBuffer.size());
    LastApiResult = code;
    if (code != 0) {
        if (port_.errorText(code, MCI_ErrorBuffer.data(), MCI_ErrorBuffer.size())) {
            text = MCI_ErrorBuffer.text();
        } else {
            text = kNoErrorText;
        }
        return code;
    }
    text = MCI_ReplyBuffer.text();
    return 0;
}

std::string Torvi_BGM::MCI_Query(const std::string& command) {
    const std::int32_t code = MCI_Send(command, lastText_);
    LastApiResult = code;
    if (code != 0) {
        return "Error:" + std::to_string(code);
    }
    return lastText_;
}

std::int32_t Torvi_BGM::MCI_Play(const std::string& device, const std::string& from,
                                 const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty()) {
        command += " from " + from;
    }
    if (!to.empty()) {
        command += " to " + to;
    }
    return MCI_Send(command, lastText_);
}
