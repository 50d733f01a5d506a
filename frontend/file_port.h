#pragma once

#include <string>

// Whether a file can be read, asked of the system. A file opens for reading
// when it is a file (not a folder) and opens; it is closed again at once and
// any failure is swallowed.
class FilePort {
  public:
    virtual ~FilePort() = default;

    // A path as the system names it.
    virtual bool canOpenForReading(const std::wstring& path) = 0;
    // A path as Velmora.ini keeps it: bytes in the system's ANSI code page,
    // which the system reads as the "A" functions do.
    virtual bool canOpenStoredForReading(const char* path) = 0;
};
