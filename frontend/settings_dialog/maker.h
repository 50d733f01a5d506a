#pragma once

#include <string>
#include <string_view>

// What Cmd_Etc opens: the maker's web address when the build names one, else
// the read-me that ships beside the programs, so the button always leads to
// the makers' own words. The address is plain ASCII; the folder is as the
// system names it, so the read-me is found in a folder named in any script.
std::wstring MakersPageAddress(std::string_view makerUrl, std::wstring_view programFolder);

// The white line under the panel, lbl(7), from its language's line (see
// ScreenTexts::makerLine) with the maker and the version put in.
std::string DesignedByText(std::string_view line, std::string_view maker, std::string_view version);
