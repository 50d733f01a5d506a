#pragma once

#include <string>

// Shift-JIS (code page 932) bytes as UTF-16, for what a person reads, so it
// reads right whatever the system's ANSI code page is.
std::wstring WideFromShiftJis(const char* text);
