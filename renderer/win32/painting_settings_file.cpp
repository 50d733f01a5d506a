#include "painting_settings_file.h"

#include <windows.h>

#include "painting_keys.h"
#include "painting_look.h"

namespace {

// As much of a value as the settings file's other keys give back.
constexpr DWORD kValueBufferSize = 256;

std::wstring wideAscii(const char* text) {
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

}  // namespace

RendererSettings readRendererSettings(const std::wstring& programFolder, std::uint32_t seed) {
    // The keys and values are plain ASCII, which the wide functions read
    // from the file in any code page; the wide path reaches a folder of any
    // name.
    const std::wstring file = programFolder + L"\\Velmora.ini";
    const std::wstring section = wideAscii(kPaintingSection);
    const PaintingChoice choice = readPaintingChoice([&](const char* key) {
        wchar_t value[kValueBufferSize] = {};
        GetPrivateProfileStringW(section.c_str(), wideAscii(key).c_str(), L"", value,
                                 kValueBufferSize, file.c_str());
        std::string ascii;
        for (const wchar_t* c = value; *c != L'\0'; ++c) {
            // Anything else is no digit, and reads as no number.
            ascii += *c < 0x80 ? static_cast<char>(*c) : '?';
        }
        return ascii;
    });
    return settingsForLook(lookForRun(choice, seed));
}
