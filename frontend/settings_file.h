#pragma once

#include <cstdint>
#include <string>

#include "bgm_settings.h"
#include "file_port.h"
#include "painting_look.h"
#include "profile_port.h"

// Velmora.ini: one section, "Section", with the music kind, the CD track to
// repeat and the music file under Shift-JIS keys (see texts.h).
inline constexpr char kSettingsSection[] = "Section";

// The value of key in section of file, cut to 255 bytes; empty when the file,
// the section or the key is missing.
std::string GetIniValue(ProfilePort& profile, const std::string& section, const std::string& key,
                        const std::string& file);

// Writes key=value into section of file. Section and key are cut to 127
// characters; the system's result goes to lastApiResult and is not examined.
void PutIniValue(ProfilePort& profile, const std::string& section, const std::string& key,
                 const std::string& value, const std::string& file, std::int32_t& lastApiResult);

// True when path names a readable file. One trailing backslash is dropped
// first, so a folder written with one does not count either. The byte form
// takes a path as Velmora.ini keeps it (ANSI code page), walked as Shift-JIS;
// the wide form a path as the system names it.
bool FileExists(FilePort& files, const std::string& path);
bool FileExists(FilePort& files, const std::wstring& path);

// Fills the three music settings from the settings file, whose path is given
// as the profile functions take it (see PathBytesOf). A number that does
// not read leaves its setting as it was; a music file that has gone away is
// forgotten, and the file kind then falls back to no music.
void ReadSettings(ProfilePort& profile, FilePort& files, const std::string& settingsPath,
                  BgmSettings& settings);

// The painting's look from its own section of the settings file (see
// painting_keys.h); what is missing or does not read is as designed.
PaintingChoice ReadPaintingChoice(ProfilePort& profile, const std::string& settingsPath);

// Writes every key of the painting's section, after the music's keys; false
// when a write did not reach the file (each result also goes to
// lastApiResult in turn).
bool WritePaintingChoice(ProfilePort& profile, const PaintingChoice& choice,
                         const std::string& settingsPath, std::int32_t& lastApiResult);

// A setting's number as the settings file holds it: a blank where a plus sign
// would go (" 0", " 12"), a minus sign otherwise ("-3").
std::string SettingNumberText(std::int16_t value);
