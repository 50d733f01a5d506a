#pragma once

#include "path_bytes.h"

// The path rule's questions asked of Windows: WideCharToMultiByte in the ANSI
// code page without best-fit characters, and GetShortPathNameW.
class Win32PathBytes final : public PathBytesPort {
  public:
    AnsiText ansiFrom(const std::wstring& text) override;
    std::optional<std::wstring> shortFormOf(const std::wstring& path) override;
};
