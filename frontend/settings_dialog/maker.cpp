#include "maker.h"

#include "program_folder.h"

namespace {

void ReplaceFirst(std::string& text, std::string_view mark, std::string_view by) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) {
        text.replace(at, mark.size(), by);
    }
}

}  // namespace

std::wstring MakersPageAddress(std::string_view makerUrl, std::wstring_view programFolder) {
    if (!makerUrl.empty()) {
        return std::wstring(makerUrl.begin(), makerUrl.end());
    }
    return ReadMePathIn(programFolder);
}

std::string DesignedByText(std::string_view line, std::string_view maker,
                           std::string_view version) {
    std::string text(line);
    // The version goes in first, so that a maker's name holding "{version}"
    // is shown as it is.
    ReplaceFirst(text, "{version}", version);
    ReplaceFirst(text, "{maker}", maker);
    return text;
}
