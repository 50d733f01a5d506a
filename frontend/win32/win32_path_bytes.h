#pragma once

#include "path_bytes.h"

// The path rule's questions asked of Windows: WideCharToMultiByte in the ANSI
// code page without best-fit characters and MultiByteToWideChar back, and
// GetShortPathNameW and GetLongPathNameW.
class Win32PathBytes final : public PathBytesPort {
  public:
    AnsiText ansiFrom(const std::wstring& text) override;
    std::wstring wideFrom(const std::string& bytes) override;
    std::optional<std::wstring> shortFormOf(const std::wstring& path) override;
    std::optional<std::wstring> longFormOf(const std::wstring& path) override;
};
