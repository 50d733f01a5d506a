#include "face_options.h"

#include <cerrno>
#include <cstdlib>
#include <optional>

namespace {

// The surface is a whole number of pixels of 15 twips, at most this many a
// side.
constexpr long kLargestTwips = 16384L * 15;

bool ParseTwips(const std::string& name, const char* text, int& twips, std::string& error) {
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    // At least half a pixel, so that the surface has one.
    if (*text == '\0' || *end != '\0' || errno == ERANGE || value < 8 || value > kLargestTwips) {
        error = name + " wants a whole number of twips from 8 to " + std::to_string(kLargestTwips) +
                ", not \"" + text + "\"";
        return false;
    }
    twips = static_cast<int>(value);
    return true;
}

bool ParseStep(const std::string& text, FaceStep& step, std::string& error) {
    const std::size_t colon = text.find(':');
    const std::string mode = text.substr(0, colon);
    const std::optional<FacePicture> face =
        colon == std::string::npos ? std::nullopt : FacePictureNamed(text.substr(colon + 1));
    if (mode.size() != 1 || mode[0] < '0' || mode[0] > '4' || !face) {
        error =
            "a step is MODE:FACE with MODE 0 to 4 and FACE one of Normal, HighLight, "
            "HighLightSelect, Selected, Pressed, Disable, not \"" +
            text + "\"";
        return false;
    }
    step.buttonMode = static_cast<std::uint8_t>(mode[0] - '0');
    step.face = *face;
    return true;
}

bool EndsWithPng(const std::string& path) {
    if (path.size() < 5) {
        return false;
    }
    std::string ending = path.substr(path.size() - 4);
    for (char& c : ending) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return ending == ".png";
}

}  // namespace

bool ParseFaceOptions(int argc, const char* const* argv, FaceOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--width" || argument == "--height" || argument == "-o") {
            if (i + 1 >= argc) {
                error = argument + " needs a value";
                return false;
            }
            const char* value = argv[++i];
            if (argument == "-o") {
                options.output = value;
            } else if (!ParseTwips(argument, value,
                                   argument == "--width" ? options.widthTwips : options.heightTwips,
                                   error)) {
                return false;
            }
        } else if (!argument.empty() && argument[0] == '-') {
            error = "unknown option \"" + argument + "\"";
            return false;
        } else {
            FaceStep step;
            if (!ParseStep(argument, step, error)) {
                return false;
            }
            options.steps.push_back(step);
        }
    }
    if (options.output.empty()) {
        error = "-o FILE.png is missing";
        return false;
    }
    if (!EndsWithPng(options.output)) {
        error = "the output file must end in .png, not \"" + options.output + "\"";
        return false;
    }
    if (options.steps.empty()) {
        error = "no step: give at least one MODE:FACE, for example 1:Normal";
        return false;
    }
    return true;
}
