#pragma once

#include <string>
#include <string_view>

// The folder of the running Velmora.scr, from the program's full path:
// everything before the last backslash, except that a drive's root keeps its
// backslash ("C:\Velmora.scr" gives "C:\"). The file names below are appended
// with a backslash of their own, so at a drive's root the path holds two in a
// row ("C:\\Velmora.dll"), which still names the file.
//
// The wide forms are the folder as the system names it; the byte forms take
// it as the byte interfaces do (see PathBytesOf), where a byte string is
// walked as Shift-JIS.
std::wstring ProgramFolderOf(std::wstring_view programPath);
std::string ProgramFolderOf(std::string_view programPath);

std::wstring RendererPathIn(std::wstring_view programFolder);  // ...\Velmora.dll
std::string RendererPathIn(std::string_view programFolder);
std::wstring SettingsPathIn(std::wstring_view programFolder);  // ...\Velmora.ini
std::string SettingsPathIn(std::string_view programFolder);
std::wstring ReadMePathIn(std::wstring_view programFolder);  // ...\Readme.txt
std::string ReadMePathIn(std::string_view programFolder);
