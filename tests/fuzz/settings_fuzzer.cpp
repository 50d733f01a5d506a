// Feeds arbitrary bytes to the settings file's native reader and writer, the
// settings number and the command-line parsing, and checks what must hold for
// any input: nothing crashes, a written value reads back, a write touches no
// other key, and a number that reads is the floor of what the text says.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "command_line.h"
#include "profile_text.h"
#include "setting_number.h"
#include "texts.h"

namespace {

const char* const kKeys[] = {kKeyKind, kKeyRepeatTrack, kKeyFile, "Kind"};

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckNumber(std::string_view text) {
    const auto number = ParseSettingNumber(text);
    if (!number) {
        return;
    }
    Check(*number >= INT16_MIN && *number <= INT16_MAX);
    // Short texts are exact in a double; compare with the C library's reading.
    const std::string trimmed(Trim(text));
    if (trimmed.size() <= 12) {
        char* end = nullptr;
        const double value = std::strtod(trimmed.c_str(), &end);
        Check(end == trimmed.c_str() + trimmed.size());
        Check(std::floor(value) == *number);
    }
}

void CheckProfile(std::string_view input) {
    if (input.empty()) {
        return;
    }
    const char* key = kKeys[static_cast<unsigned char>(input[0]) % 4];
    input.remove_prefix(1);
    // The value runs up to the first 0xFF byte, the file's text after it.
    const std::size_t split = input.find('\xff');
    const std::string_view value = input.substr(0, split);
    const std::string_view text =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    const std::string written = WithProfileValue(text, "Section", key, value);
    const auto readBack = FindProfileValue(written, "Section", key);
    Check(readBack.has_value());
    Check(*readBack == Trim(value.substr(0, value.find_first_of("\r\n"))));

    for (const char* other : kKeys) {
        if (other != key) {
            Check(FindProfileValue(written, "Section", other) ==
                  FindProfileValue(text, "Section", other));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckNumber(input);
    ModeLetter(input);
    PreviewHostHandle(input);
    CheckProfile(input);
    return 0;
}
