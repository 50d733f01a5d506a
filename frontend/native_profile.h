#pragma once

#include "file_port.h"
#include "profile_port.h"

// The profile functions and the file check for systems without the Windows
// ones, over the files themselves and in the same format (see profile_text.h).
class NativeProfile : public ProfilePort {
  public:
    std::uint32_t getPrivateProfileString(const char* section, const char* key,
                                          const char* defaultValue, char* buffer,
                                          std::uint32_t size, const char* file) override;
    // Fails, leaving the file as it was, when the file or its folder cannot be
    // written.
    std::int32_t writePrivateProfileString(const char* section, const char* key, const char* value,
                                           const char* file) override;
};

// A stored path is taken as the file system's own bytes (UTF-8 as a rule).
class NativeFiles : public FilePort {
  public:
    bool canOpenForReading(const std::wstring& path) override;
    bool canOpenStoredForReading(const char* path) override;
};
