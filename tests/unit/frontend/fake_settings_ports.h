#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "file_port.h"
#include "profile_port.h"

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

// Files that exist are listed by path; every question is recorded.
class FakeFiles : public FilePort {
  public:
    bool canOpenForReading(const char* path) override {
        asked.push_back(path);
        return readable.count(path) != 0;
    }

    std::set<std::string> readable;
    std::vector<std::string> asked;
};
