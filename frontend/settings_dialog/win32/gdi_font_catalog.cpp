#include "gdi_font_catalog.h"

#include <windows.h>

#include <cwchar>

#include "shift_jis_text.h"

namespace {

int CALLBACK FaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

// What GDI puts in a font's place when it cannot name its own face.
constexpr char kShellDialogFace[] = "MS Shell Dlg 2";

}  // namespace

bool GdiFontCatalog::installed(const std::string& name) {
    const std::wstring face = WideFromShiftJis(name.c_str());
    LOGFONTW wanted{};
    if (face.empty() || face.size() >= LF_FACESIZE) {
        return false;
    }
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wmemcpy(wanted.lfFaceName, face.c_str(), face.size() + 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return false;
    }
    EnumFontFamiliesExW(screen, &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

std::string GdiFontCatalog::messageFontName() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return kShellDialogFace;
    }
    const std::wstring face = metrics.lfMessageFont.lfFaceName;
    const std::string name = ShiftJisFromWide(face);
    // The captions carry their face as Shift-JIS; a face named outside it
    // goes by the alias that the system keeps for its dialogs.
    if (name.empty() || WideFromShiftJis(name.c_str()) != face) {
        return kShellDialogFace;
    }
    return name;
}
