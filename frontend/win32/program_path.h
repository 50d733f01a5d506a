#pragma once

#include <string>

// The full path of the running program as the system names it; empty when
// the system cannot say.
std::wstring RunningProgramPath();
