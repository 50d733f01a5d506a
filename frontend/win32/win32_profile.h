#pragma once

#include "file_port.h"
#include "profile_port.h"

// The settings file through the system's profile functions.
class Win32Profile : public ProfilePort {
  public:
    std::uint32_t getPrivateProfileString(const char* section, const char* key,
                                          const char* defaultValue, char* buffer,
                                          std::uint32_t size, const char* file) override;
    std::int32_t writePrivateProfileString(const char* section, const char* key, const char* value,
                                           const char* file) override;
};

// Files through the wide functions; a stored path is read from the ANSI code
// page first, as the "A" functions would read it.
class Win32Files : public FilePort {
  public:
    bool canOpenForReading(const std::wstring& path) override;
    bool canOpenStoredForReading(const char* path) override;
};
