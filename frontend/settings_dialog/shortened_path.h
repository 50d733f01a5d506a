#pragma once

#include <functional>
#include <string>

// A path as a label of limited room shows it: whole where it fits, else with
// its middle given up for "..." so that the file's name is always seen: as
// much of the start as fits, "...", then the last backslash and the name;
// where even that does not fit, the name loses its middle too, keeping its
// ending (the file's kind). `fits` answers whether a text fits the label.
std::wstring ShortenedPath(const std::wstring& path,
                           const std::function<bool(const std::wstring&)>& fits);
