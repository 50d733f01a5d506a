#pragma once

#include <cstdint>

// The system's profile functions, which read and write key=value lines in a
// section of an INI file. Every string is Shift-JIS bytes, passed through as
// the "A" functions take them.
class ProfilePort {
  public:
    virtual ~ProfilePort() = default;

    // Copies the key's value (or defaultValue when the file, the section or
    // the key is missing) into buffer: at most size - 1 bytes and a NUL.
    // Returns the number of bytes copied, without the NUL.
    virtual std::uint32_t getPrivateProfileString(const char* section, const char* key,
                                                  const char* defaultValue, char* buffer,
                                                  std::uint32_t size, const char* file) = 0;

    // Replaces the key's line, or adds the key (and its section, and the
    // file). Non-zero on success.
    virtual std::int32_t writePrivateProfileString(const char* section, const char* key,
                                                   const char* value, const char* file) = 0;
};
