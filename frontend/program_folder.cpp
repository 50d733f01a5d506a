#include "program_folder.h"

#include "shift_jis.h"

namespace {

// A UTF-16 path has no two-byte characters whose second half looks like a
// backslash, so its last backslash is simply the last one.
std::size_t LastBackslash(std::wstring_view path) {
    return path.rfind(L'\\');
}

std::size_t LastBackslash(std::string_view path) {
    return ShiftJisLastBackslash(path);
}

template <typename Char>
std::basic_string<Char> FolderOf(std::basic_string_view<Char> programPath) {
    const std::size_t separator = LastBackslash(programPath);
    if (separator == std::basic_string_view<Char>::npos) {
        return {};
    }
    std::basic_string<Char> folder(programPath.substr(0, separator));
    if (folder.size() == 2 && folder[1] == Char(':')) {
        folder += Char('\\');
    }
    return folder;
}

template <typename Char>
std::basic_string<Char> FileIn(std::basic_string_view<Char> folder, const char* name) {
    std::basic_string<Char> path(folder);
    path += Char('\\');
    // The names are plain ASCII, the same in every code page and in UTF-16.
    for (const char* c = name; *c != '\0'; ++c) {
        path += static_cast<Char>(*c);
    }
    return path;
}

}  // namespace

std::wstring ProgramFolderOf(std::wstring_view programPath) {
    return FolderOf(programPath);
}

std::string ProgramFolderOf(std::string_view programPath) {
    return FolderOf(programPath);
}

std::wstring RendererPathIn(std::wstring_view programFolder) {
    return FileIn(programFolder, "Velmora.dll");
}

std::string RendererPathIn(std::string_view programFolder) {
    return FileIn(programFolder, "Velmora.dll");
}

std::wstring SettingsPathIn(std::wstring_view programFolder) {
    return FileIn(programFolder, "Velmora.ini");
}

std::string SettingsPathIn(std::string_view programFolder) {
    return FileIn(programFolder, "Velmora.ini");
}

std::wstring ReadMePathIn(std::wstring_view programFolder) {
    return FileIn(programFolder, "Readme.txt");
}

std::string ReadMePathIn(std::string_view programFolder) {
    return FileIn(programFolder, "Readme.txt");
}
