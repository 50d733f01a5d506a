#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "file_port.h"
#include "path_bytes.h"
#include "profile_port.h"
#include "wide_text.h"

// Profile functions over values held in memory, copying into the caller's
// buffer as the system does, and recording what was asked.
class FakeProfile : public ProfilePort {
  public:
    struct Read {
        std::string section, key, defaultValue, file;
        std::uint32_t size;
    };
    struct Write {
        std::string section, key, value, file;
    };

    void set(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) {
        values[{file, section, key}] = value;
    }

    std::uint32_t getPrivateProfileString(const char* section, const char* key,
                                          const char* defaultValue, char* buffer,
                                          std::uint32_t size, const char* file) override {
        reads.push_back({section, key, defaultValue, file, size});
        const auto found = values.find({file, section, key});
        const std::string value = found != values.end() ? found->second : defaultValue;
        const std::size_t copied = std::min<std::size_t>(value.size(), size - 1);
        std::memcpy(buffer, value.data(), copied);
        buffer[copied] = '\0';
        return static_cast<std::uint32_t>(copied);
    }

    std::int32_t writePrivateProfileString(const char* section, const char* key, const char* value,
                                           const char* file) override {
        writes.push_back({section, key, value, file});
        return failingWrites.count(writes.size()) != 0 ? 0 : writeResult;
    }

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<Read> reads;
    std::vector<Write> writes;
    std::int32_t writeResult = 1;
    std::set<std::size_t> failingWrites;  // by number, the first write is 1
};

// Files that exist are listed by path, as UTF-8 for wide paths and as the
// stored bytes for stored ones; every question is recorded the same way, a
// wide one marked with "W ".
class FakeFiles : public FilePort {
  public:
    bool canOpenForReading(const std::wstring& path) override {
        asked.push_back("W " + Utf8(path));
        return readable.count(Utf8(path)) != 0;
    }
    bool canOpenStoredForReading(const char* path) override {
        asked.push_back(path);
        return readable.count(path) != 0;
    }

    std::set<std::string> readable;
    std::vector<std::string> asked;
};

// An ANSI code page that holds ASCII and the characters given to it, and a
// file system that knows the short and long forms given to it.
class FakePathBytes : public PathBytesPort {
  public:
    AnsiText ansiFrom(const std::wstring& text) override {
        AnsiText ansi{{}, true};
        for (const wchar_t c : text) {
            const auto found = codePage.find(c);
            if (c < 0x80) {
                ansi.bytes += static_cast<char>(c);
            } else if (found != codePage.end()) {
                ansi.bytes += found->second;
            } else {
                ansi.bytes += '?';
                ansi.exact = false;
            }
        }
        return ansi;
    }
    std::wstring wideFrom(const std::string& bytes) override {
        std::wstring wide;
        for (std::size_t i = 0; i < bytes.size();) {
            const auto found =
                std::find_if(codePage.begin(), codePage.end(), [&](const auto& character) {
                    return bytes.compare(i, character.second.size(), character.second) == 0;
                });
            if (found != codePage.end()) {
                wide += found->first;
                i += found->second.size();
            } else {
                wide += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i++]));
            }
        }
        return wide;
    }
    std::optional<std::wstring> shortFormOf(const std::wstring& path) override {
        shortFormsAsked.push_back(Utf8(path));
        const auto found = shortForms.find(path);
        if (found == shortForms.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    std::optional<std::wstring> longFormOf(const std::wstring& path) override {
        const auto found = longForms.find(path);
        if (found == longForms.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    std::map<wchar_t, std::string> codePage;
    std::map<std::wstring, std::wstring> shortForms;
    std::map<std::wstring, std::wstring> longForms;
    std::vector<std::string> shortFormsAsked;
};
