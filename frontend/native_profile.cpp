#include "native_profile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "profile_text.h"

namespace {

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> ReadWholeFile(const char* path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return text;
}

// The native file system's names are UTF-8 bytes, whatever the C library's
// locale says.
std::string Utf8FromWide(std::wstring_view text) {
    std::string utf8;
    for (const wchar_t c : text) {
        auto code = static_cast<std::uint32_t>(c);
        if (code > 0x10FFFF) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
            continue;
        }
        const int tail = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        const unsigned char lead[] = {0, 0xC0, 0xE0, 0xF0};
        utf8 += static_cast<char>(lead[tail] | (code >> (6 * tail)));
        for (int i = tail - 1; i >= 0; --i) {
            utf8 += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
        }
    }
    return utf8;
}

bool CanOpen(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    return static_cast<bool>(in);
}

}  // namespace

std::uint32_t NativeProfile::getPrivateProfileString(const char* section, const char* key,
                                                     const char* defaultValue, char* buffer,
                                                     std::uint32_t size, const char* file) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    std::string value = defaultValue != nullptr ? defaultValue : "";
    if (section != nullptr && key != nullptr && file != nullptr) {
        if (const auto text = ReadWholeFile(file)) {
            if (const auto found = FindProfileValue(*text, section, key)) {
                value = *found;
            }
        }
    }
    const std::size_t copied = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), copied);
    buffer[copied] = '\0';
    return static_cast<std::uint32_t>(copied);
}

std::int32_t NativeProfile::writePrivateProfileString(const char* section, const char* key,
                                                      const char* value, const char* file) {
    if (section == nullptr || key == nullptr || value == nullptr || file == nullptr) {
        return 0;
    }
    std::error_code error;
    const bool exists = std::filesystem::exists(file, error);
    std::string text;
    if (exists) {
        auto old = ReadWholeFile(file);
        if (!old) {
            return 0;
        }
        text = std::move(*old);
        // Opening for update first, without truncating, finds a read-only
        // file before anything of it is lost.
        std::fstream probe(file, std::ios::in | std::ios::out | std::ios::binary);
        if (!probe) {
            return 0;
        }
    }
    const std::string updated = WithProfileValue(text, section, key, value);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return 0;
    }
    out.write(updated.data(), static_cast<std::streamsize>(updated.size()));
    out.close();
    return out ? 1 : 0;
}

bool NativeFiles::canOpenForReading(const std::wstring& path) {
    return CanOpen(std::filesystem::path(Utf8FromWide(path)));
}

bool NativeFiles::canOpenStoredForReading(const char* path) {
    return path != nullptr && CanOpen(std::filesystem::path(path));
}
