#pragma once

// Whether a file can be read, asked of the system.
class FilePort {
  public:
    virtual ~FilePort() = default;

    // True when path names a file (not a folder) that opens for reading. The
    // file is closed again at once and any failure is swallowed.
    virtual bool canOpenForReading(const char* path) = 0;
};
