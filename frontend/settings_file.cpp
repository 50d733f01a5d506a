#include "settings_file.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "painting_keys.h"
#include "setting_number.h"
#include "shift_jis.h"
#include "texts.h"

namespace {

// The profile functions are handed fixed buffers of this many characters.
constexpr std::size_t kValueBufferSize = 256;
constexpr std::size_t kNameBufferCharacters = 128;

void ReadNumber(ProfilePort& profile, const std::string& key, const std::string& file,
                std::int16_t& setting) {
    const std::string value = GetIniValue(profile, kSettingsSection, key, file);
    if (value.empty()) {
        setting = 0;
        return;
    }
    if (const auto number = ParseSettingNumber(value)) {
        setting = *number;
    }
}

}  // namespace

std::string GetIniValue(ProfilePort& profile, const std::string& section, const std::string& key,
                        const std::string& file) {
    std::array<char, kValueBufferSize> buffer{};
    profile.getPrivateProfileString(section.c_str(), key.c_str(), "", buffer.data(),
                                    static_cast<std::uint32_t>(buffer.size()), file.c_str());
    // Read only up to the first NUL, and never past the buffer, whatever the
    // system wrote into it.
    return std::string(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
}

void PutIniValue(ProfilePort& profile, const std::string& section, const std::string& key,
                 const std::string& value, const std::string& file, std::int32_t& lastApiResult) {
    const std::string shortSection(ShiftJisPrefix(section, kNameBufferCharacters - 1));
    const std::string shortKey(ShiftJisPrefix(key, kNameBufferCharacters - 1));
    lastApiResult = profile.writePrivateProfileString(shortSection.c_str(), shortKey.c_str(),
                                                      value.c_str(), file.c_str());
}

bool FileExists(FilePort& files, const std::string& path) {
    std::string_view checked = path;
    if (ShiftJisEndsWithBackslash(checked)) {
        checked.remove_suffix(1);
    }
    if (checked.empty()) {
        return false;
    }
    return files.canOpenStoredForReading(std::string(checked).c_str());
}

bool FileExists(FilePort& files, const std::wstring& path) {
    std::wstring_view checked = path;
    if (!checked.empty() && checked.back() == L'\\') {
        checked.remove_suffix(1);
    }
    if (checked.empty()) {
        return false;
    }
    return files.canOpenForReading(std::wstring(checked));
}

void ReadSettings(ProfilePort& profile, FilePort& files, const std::string& settingsPath,
                  BgmSettings& settings) {
    ReadNumber(profile, kKeyKind, settingsPath, settings.BGM_Kind);
    ReadNumber(profile, kKeyRepeatTrack, settingsPath, settings.BGM_RepeatTrack);

    const std::string file = GetIniValue(profile, kSettingsSection, kKeyFile, settingsPath);
    if (!file.empty() && FileExists(files, file)) {
        settings.BGM_File = file;
        return;
    }
    settings.BGM_File.clear();
    if (settings.BGM_Kind == kBgmMusicFile) {
        settings.BGM_Kind = kBgmNone;
    }
}

PaintingChoice ReadPaintingChoice(ProfilePort& profile, const std::string& settingsPath) {
    return readPaintingChoice(
        [&](const char* key) { return GetIniValue(profile, kPaintingSection, key, settingsPath); });
}

bool WritePaintingChoice(ProfilePort& profile, const PaintingChoice& choice,
                         const std::string& settingsPath, std::int32_t& lastApiResult) {
    bool written = true;
    for (const auto& [key, value] : paintingChoiceValues(choice)) {
        // Written as the music's numbers are, which every range fits.
        PutIniValue(profile, kPaintingSection, key,
                    SettingNumberText(static_cast<std::int16_t>(value)), settingsPath,
                    lastApiResult);
        written = written && lastApiResult != 0;
    }
    return written;
}

std::string SettingNumberText(std::int16_t value) {
    const std::string digits = std::to_string(value);
    return value < 0 ? digits : " " + digits;
}
