#pragma once

#include <cstdint>
#include <string>

#include "renderer_settings.h"
#include "running_program.h"

// The painting's settings as Velmora.ini in `programFolder` chooses them (see
// painting_keys.h), with a preset drawn from `seed` where it asks for one at
// random. Whatever is missing or does not read paints as designed; nothing is
// reported.
RendererSettings readRendererSettings(const std::wstring& programFolder, std::uint32_t seed);
