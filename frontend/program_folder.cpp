#include "program_folder.h"

#include "shift_jis.h"

std::string ProgramFolderOf(std::string_view programPath) {
    const std::size_t separator = ShiftJisLastBackslash(programPath);
    if (separator == std::string_view::npos) {
        return {};
    }
    std::string folder(programPath.substr(0, separator));
    if (folder.size() == 2 && folder[1] == ':') {
        folder += '\\';
    }
    return folder;
}

std::string RendererPathIn(std::string_view programFolder) {
    return std::string(programFolder) + "\\Velmora.dll";
}

std::string SettingsPathIn(std::string_view programFolder) {
    return std::string(programFolder) + "\\Velmora.ini";
}

std::string ReadMePathIn(std::string_view programFolder) {
    return std::string(programFolder) + "\\Readme.txt";
}
