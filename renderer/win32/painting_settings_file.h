#pragma once

#include <cstdint>
#include <string>

#include "renderer_settings.h"

// The folder of the running program as the system names it, without a
// trailing backslash: where Velmora.dll and Velmora.scr find Velmora.ini.
std::wstring runningProgramFolder();

// The painting's settings as Velmora.ini in `programFolder` chooses them (see
// painting_keys.h), with a preset drawn from `seed` where it asks for one at
// random. Whatever is missing or does not read paints as designed; nothing is
// reported.
RendererSettings readRendererSettings(const std::wstring& programFolder, std::uint32_t seed);
