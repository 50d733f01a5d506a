#pragma once

#include <string>

// Shift-JIS (code page 932) bytes as UTF-16, for what a person reads, so it
// reads right whatever the system's ANSI code page is.
std::wstring WideFromShiftJis(const char* text);

// Text that came from the system through the "A" functions (a file path),
// as UTF-16: it is in the system's ANSI code page, whatever that is.
std::wstring WideFromAnsi(const char* text);

// What a person typed, as the Shift-JIS bytes that the settings and the "A"
// functions carry. A character that code page 932 cannot hold becomes "?".
std::string ShiftJisFromWide(const std::wstring& text);
