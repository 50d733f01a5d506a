#pragma once

#include <string>

// The running program's full path as the system names it, however deep its
// folder; empty when the system does not say.
std::wstring runningProgramPath();

// Its folder, without a trailing backslash: where Velmora.dll and
// Velmora.scr find Velmora.ini.
std::wstring runningProgramFolder();
