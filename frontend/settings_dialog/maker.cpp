#include "maker.h"

#include "program_folder.h"

std::string MakersPageAddress(std::string_view makerUrl, std::string_view programFolder) {
    if (!makerUrl.empty()) {
        return std::string(makerUrl);
    }
    return ReadMePathIn(programFolder);
}

std::string DesignedByText(std::string_view maker, std::string_view version) {
    return "Designed by " + std::string(maker) + " Ver." + std::string(version);
}
