#pragma once

#include <string>

// Shift-JIS (code page 932) bytes as UTF-16 for the wide API, so that a
// caption or a font name reads right whatever the system's ANSI code page is.
std::wstring WideFromCodePage932(const std::string& text);
