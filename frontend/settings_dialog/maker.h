#pragma once

#include <string>
#include <string_view>

// What Cmd_Etc opens: the maker's web address when the build names one, else
// the read-me that ships beside the programs, so the button always leads to
// the makers' own words.
std::string MakersPageAddress(std::string_view makerUrl, std::string_view programFolder);

// The white line under the panel, lbl(7): "Designed by <maker> Ver.<version>".
std::string DesignedByText(std::string_view maker, std::string_view version);
