// Looks into the settings dialog of a running Velmora.scr under Wine, as a
// program aware of the system's resolution sees it: checks the window and
// every control against the designed layout at that resolution, and prints
// where the controls are and what they show, for the test to click and
// compare. Results one per line, closing with "N passed, M failed".
//
//   settings_dialog_probe look
//   settings_dialog_probe message   (the open message box of Velmora.scr)
//   settings_dialog_probe cancel-chooser   (as its Cancel button would)
//   settings_dialog_probe chooser-filter   (prints "filter TEXT", the file type shown)
//   settings_dialog_probe close-message    (as the message box's OK would)
//   settings_dialog_probe tip              (prints "tip TEXT", the dialog's tooltip
//                                           on the screen, or "tip none")
//   settings_dialog_probe list-item N   (prints "item X Y", the screen point of
//                                        item N of the dropped-down list of a
//                                        combo box, or "item none")
//   settings_dialog_probe place-chooser X Y
//       moves the open-file dialog so that the first item of its file list
//       lies at screen point X, Y; prints "item X Y" where it now lies
//
// Lines besides the checks:
//   dpi N
//   client WIDTH HEIGHT
//   origin X Y                      (the client area's top-left on the screen)
//   rect NAME X Y WIDTH HEIGHT      (screen pixels)
//   repeat enabled=0|1 text=TEXT
//   file TEXT                       (lbl_Fname, UTF-8)
//   page music|painting             (the panel that shows)
//   look
//   Preset=TEXT|DrawMode=TEXT|Amount=TEXT|Size=TEXT|Speed=TEXT|Trail=TEXT|Flows=TEXT|lists=enabled|disabled
//                                   (what the painting page's lists show, UTF-8;
//                                   whether the lists of the settings can be used)
//   monitors TEXT|enabled|disabled  (what the monitors' list shows, UTF-8)
//   focus NAME                      (the control with the keyboard, or none)
//   message TEXT                    (UTF-8, line ends as " / "; or "message none")

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "dialog_font.h"
#include "dialog_layout.h"
#include "gdi_font_catalog.h"
#include "maker.h"
#include "maker_info.h"
#include "screen_texts.h"
#include "settings_dialog_ids.h"
#include "settings_dialog_port.h"
#include "shift_jis_text.h"
#include "window_titles.h"

namespace {

namespace ids = settings_dialog_ids;
namespace layout = dialog_layout;

int passed = 0;
int failed = 0;

// The dialog speaks the language of this prefix's user, as Velmora.scr
// decides it.
ScreenLanguage Language() {
    return ScreenLanguageFor(GetUserDefaultUILanguage());
}

const ScreenTexts& Texts() {
    return ScreenTextsIn(Language());
}

void Expect(bool condition, const std::string& what) {
    std::printf("%s %s\n", condition ? "ok" : "FAIL", what.c_str());
    (condition ? passed : failed)++;
}

int Summary() {
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 && passed > 0 ? 0 : 1;
}

std::string Utf8(const std::wstring& text) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), length, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
    return bytes;
}

// Asked of the window itself: GetWindowText across processes gives a combo
// box's own caption, not what its edit field shows.
std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Box(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// How a control may differ from its design: a one-line label grows to the
// right to fit its caption, a wrapped one down to fit its lines.
enum class Give { kNone, kWider, kTaller };

// Where a control lies: on the dialog, the music panel Pic_C(0) or the
// painting panel Pic_C(1).
enum class On { kDialog, kMusic, kPainting };

struct Control {
    const char* name;
    On on;
    int id;
    layout::Place place;
    Give give;
    const char* caption;  // Shift-JIS; null: no caption of its own
};

std::vector<Control> Controls() {
    const ScreenTexts& texts = Texts();
    std::vector<Control> controls = {
        {"Pic_C", On::kDialog, ids::Pic_C, layout::Pic_C, Give::kNone, nullptr},
        {"lbl_15", On::kMusic, ids::lbl_15, layout::lbl_15, Give::kWider, texts.musicHeading},
        {"BGM_Repeat", On::kMusic, ids::BGM_Repeat, layout::BGM_Repeat, Give::kNone, nullptr},
        {"lbl_14", On::kMusic, ids::lbl_14, layout::lbl_14, Give::kWider, texts.captionRepeat},
        {"Cmd_BGM", On::kMusic, ids::Cmd_BGM, layout::Cmd_BGM, Give::kNone,
         texts.captionChooseFile},
        {"lbl_Fname", On::kMusic, ids::lbl_Fname, layout::lbl_Fname, Give::kTaller, nullptr},
        {"Cmd_Page1", On::kMusic, ids::Cmd_Page + 1, layout::Cmd_Page, Give::kNone,
         texts.captionToPainting},
        {"Pic_C1", On::kDialog, ids::Pic_C_Painting, layout::Pic_C, Give::kNone, nullptr},
        {"lbl_16", On::kPainting, ids::lbl_16, layout::lbl_16, Give::kWider, texts.paintingHeading},
        {"Cmd_Page0", On::kPainting, ids::Cmd_Page + 0, layout::Cmd_Page, Give::kNone,
         texts.captionToMusic},
        {"Pic_Look", On::kPainting, ids::Pic_Look, layout::Pic_Look, Give::kNone, nullptr},
        {"lbl_7", On::kDialog, ids::lbl_7, layout::lbl_7, Give::kTaller, nullptr},
        {"Cmd_Etc", On::kDialog, ids::Cmd_Etc, layout::Cmd_Etc, Give::kNone,
         texts.captionOtherWorks},
        {"Cmd_Set", On::kDialog, ids::Cmd_Set, layout::Cmd_Set, Give::kNone, texts.captionSet},
        {"Cmd_Can", On::kDialog, ids::Cmd_Can, layout::Cmd_Can, Give::kNone, texts.captionCancel},
    };
    const char* const kindCaptions[3] = {texts.captionNone, texts.captionCompactDisc,
                                         texts.captionMusicFile};
    static const char* const kImageNames[3] = {"Img_BGM0", "Img_BGM1", "Img_BGM2"};
    static const char* const kLabelNames[3] = {"lbl_BGM0", "lbl_BGM1", "lbl_BGM2"};
    for (int kind = 0; kind < 3; ++kind) {
        controls.push_back({kImageNames[kind], On::kMusic, ids::Img_BGM + kind,
                            layout::Img_BGM[kind], Give::kNone, nullptr});
        controls.push_back({kLabelNames[kind], On::kMusic, ids::lbl_BGM + kind,
                            layout::lbl_BGM[kind], Give::kWider, kindCaptions[kind]});
    }
    const char* const lookCaptions[kLookListCount] = {
        texts.captionPreset, texts.captionDrawMode, texts.captionAmount, texts.captionSize,
        texts.captionSpeed,  texts.captionTrail,    texts.captionFlows,  texts.captionMonitors};
    static const char* const kListNames[kLookListCount] = {"Look0", "Look1", "Look2", "Look3",
                                                           "Look4", "Look5", "Look6", "Look7"};
    static const char* const kCaptionNames[kLookListCount] = {"lbl_Look0", "lbl_Look1", "lbl_Look2",
                                                              "lbl_Look3", "lbl_Look4", "lbl_Look5",
                                                              "lbl_Look6", "lbl_Look7"};
    for (int list = 0; list < kLookListCount; ++list) {
        controls.push_back({kListNames[list], On::kPainting, ids::Look + list,
                            layout::LookListPlace(list), Give::kNone, nullptr});
        controls.push_back({kCaptionNames[list], On::kPainting, ids::lbl_Look + list,
                            layout::LookCaptionPlace(list), Give::kWider, lookCaptions[list]});
    }
    return controls;
}

// How wide a caption is drawn in the font that Velmora.scr chooses for the
// dialog on this system, at this resolution.
// `width` 0: on one line, the caption's width; else broken into lines at
// words to fit that width, its height.
int CaptionExtent(const std::wstring& caption, int dpi, int width = 0) {
    GdiFontCatalog catalog;
    const ButtonFont font = ScreenFont(Language(), catalog);
    std::printf("font %s\n", Utf8(WideFromShiftJis(font.name.c_str())).c_str());
    const HFONT handle = CreateFontW(
        -layout::FontPixelHeight(font.size, dpi), 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
        static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_DONTCARE, WideFromShiftJis(font.name.c_str()).c_str());
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, handle);
    SIZE size{0, 0};
    GetTextExtentPoint32W(screen, caption.c_str(), static_cast<int>(caption.size()), &size);
    if (width > 0) {
        RECT box{0, 0, width, 0};
        DrawTextW(screen, caption.c_str(), static_cast<int>(caption.size()), &box,
                  DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT);
        size.cx = box.bottom;
    }
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(handle);
    return size.cx;
}

// The control's rectangle in its container's client coordinates.
RECT InContainer(HWND control, HWND container) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, container, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Near(long a, long b) {
    return std::labs(a - b) <= 1;
}

void LookAtWindow(HWND dialog, int dpi) {
    Expect(TextOf(dialog) == L"<Velmora>", "caption " + Utf8(TextOf(dialog)));
    Expect(GetWindow(dialog, GW_OWNER) == nullptr, "no owner");
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    Expect((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0,
           "a caption bar with the close box");
    Expect((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0,
           "a fixed border, no minimise or maximise box");
    Expect(IsWindowVisible(dialog) != FALSE, "shown");

    RECT client;
    GetClientRect(dialog, &client);
    const int width = layout::Pixels(layout::kClientWidth, dpi);
    const int height = layout::Pixels(layout::kClientHeight, dpi);
    std::printf("client %ld %ld\n", client.right, client.bottom);
    POINT origin{0, 0};
    ClientToScreen(dialog, &origin);
    std::printf("origin %ld %ld\n", origin.x, origin.y);
    Expect(Near(client.right, width) && Near(client.bottom, height),
           "client area " + std::to_string(client.right) + "x" + std::to_string(client.bottom) +
               ", designed " + std::to_string(width) + "x" + std::to_string(height));

    RECT window;
    GetWindowRect(dialog, &window);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::printf("window %ld %ld %ld %ld\n", window.left, window.top, window.right - window.left,
                window.bottom - window.top);
    Expect(Near(window.left, (screenWidth - (window.right - window.left)) / 2),
           "centred across at " + std::to_string(window.left));
    Expect(Near(window.top, (screenHeight - (window.bottom - window.top)) / 3),
           "a third from the top at " + std::to_string(window.top));
}

// How far right of their designed place the repeat list and its caption
// must lie to stay clear of the audio CD's caption.
int RepeatShift(HWND panel, int dpi) {
    const HWND label = GetDlgItem(panel, ids::lbl_BGM + 1);
    if (label == nullptr) {
        return 0;
    }
    const RECT at = InContainer(label, panel);
    const int clearFrom = at.right + layout::Pixels(layout::kRepeatListGap, dpi);
    return std::max(0, clearFrom - layout::Pixels(layout::BGM_Repeat, dpi).left);
}

HWND ContainerOf(const Control& control, HWND dialog) {
    switch (control.on) {
        case On::kMusic:
            return GetDlgItem(dialog, ids::Pic_C);
        case On::kPainting:
            return GetDlgItem(dialog, ids::Pic_C_Painting);
        case On::kDialog:
            break;
    }
    return dialog;
}

void LookAtControls(HWND dialog, HWND panel, int dpi) {
    const int repeatShift = RepeatShift(panel, dpi);
    std::printf("repeat-shift %d\n", repeatShift);
    for (const Control& control : Controls()) {
        const HWND container = ContainerOf(control, dialog);
        const HWND window = GetDlgItem(container, control.id);
        if (window == nullptr) {
            Expect(false, std::string(control.name) + " is there");
            continue;
        }
        layout::PixelPlace designed = layout::Pixels(control.place, dpi);
        if (control.on == On::kMusic &&
            (control.id == ids::BGM_Repeat || control.id == ids::lbl_14)) {
            designed.left += repeatShift;
        }
        const RECT at = InContainer(window, container);
        const long width = at.right - at.left;
        const long height = at.bottom - at.top;
        const bool widthRight =
            control.give == Give::kWider ? width >= designed.width : width == designed.width;
        const bool heightRight =
            control.give == Give::kTaller ? height >= designed.height : height == designed.height;
        Expect(at.left == designed.left && at.top == designed.top && widthRight && heightRight,
               std::string(control.name) + " at " + Box(at) + ", designed " +
                   std::to_string(designed.left) + "," + std::to_string(designed.top) + " " +
                   std::to_string(designed.width) + "x" + std::to_string(designed.height));
        if (control.caption != nullptr) {
            Expect(TextOf(window) == WideFromShiftJis(control.caption),
                   std::string(control.name) + " says " + Utf8(TextOf(window)));
            const int extent = CaptionExtent(TextOf(window), dpi);
            Expect(extent > 0 && extent <= width,
                   std::string(control.name) + "'s caption is " + std::to_string(extent) +
                       " wide, the control " + std::to_string(width));
        }
        RECT screen;
        GetWindowRect(window, &screen);
        std::printf("rect %s %ld %ld %ld %ld\n", control.name, screen.left, screen.top,
                    screen.right - screen.left, screen.bottom - screen.top);
    }
    const HWND maker = GetDlgItem(dialog, ids::lbl_7);
    Expect(Utf8(TextOf(maker)) == DesignedByText(Texts().makerLine, kMakerName, kVelmoraVersion),
           "lbl_7 says " + Utf8(TextOf(maker)));
    RECT makerPlace;
    GetClientRect(maker, &makerPlace);
    const int makerHeight = CaptionExtent(TextOf(maker), dpi, makerPlace.right);
    Expect(makerHeight > 0 && makerHeight <= makerPlace.bottom,
           "lbl_7's lines are " + std::to_string(makerHeight) + " high, the label " +
               std::to_string(makerPlace.bottom));
    Expect(ClassOf(GetDlgItem(dialog, ids::Cmd_Set)) == "Torvi.Command",
           "the buttons are Torvi.Command controls");
}

void LookAtRepeat(HWND panel) {
    const HWND repeat = GetDlgItem(panel, ids::BGM_Repeat);
    Expect(ClassOf(repeat) == "ComboBox", "BGM_Repeat is a ComboBox");
    const LRESULT count = SendMessageW(repeat, CB_GETCOUNT, 0, 0);
    Expect(count == 31, "31 items (" + std::to_string(count) + ")");
    std::wstring items;
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t item[16] = {};
        if (SendMessageW(repeat, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 16) {
            SendMessageW(repeat, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(item));
        }
        items += (i == 0 ? L"" : L",") + std::wstring(item);
    }
    std::wstring expected;
    for (int i = 0; i <= 30; ++i) {
        expected += (i == 0 ? L"" : L",") + (i == 0 ? std::wstring() : std::to_wstring(i));
    }
    Expect(items == expected, "the items: empty, then 1 to 30");
    std::printf("repeat enabled=%d text=%s\n", IsWindowEnabled(repeat) ? 1 : 0,
                Utf8(TextOf(repeat)).c_str());
}

// What lbl_Fname shows, which must fit it: a path too long for its lines is
// shortened rather than cut off.
void LookAtFile(HWND panel, int dpi) {
    const HWND label = GetDlgItem(panel, ids::lbl_Fname);
    const std::wstring text = TextOf(label);
    std::printf("file %s\n", Utf8(text).c_str());
    RECT room;
    GetClientRect(label, &room);
    const int height = text.empty() ? 0 : CaptionExtent(text, dpi, room.right);
    Expect(height <= room.bottom, "lbl_Fname's lines are " + std::to_string(height) +
                                      " high, the label " + std::to_string(room.bottom));
}

// The control that has the dialog thread's keyboard focus, by name; the
// combo box's edit field counts as the combo box.
void LookAtFocus(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    std::string name = "none";
    if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) &&
        info.hwndFocus != nullptr) {
        name = "other";
        for (const Control& control : Controls()) {
            const HWND window = GetDlgItem(ContainerOf(control, dialog), control.id);
            if (window != nullptr &&
                (window == info.hwndFocus || IsChild(window, info.hwndFocus))) {
                name = control.name;
            }
        }
    }
    std::printf("focus %s\n", name.c_str());
}

// Which page shows, and what the painting page's lists show.
void LookAtPainting(HWND dialog) {
    const HWND painting = GetDlgItem(dialog, ids::Pic_C_Painting);
    const bool paintingShown = IsWindowVisible(painting) != FALSE;
    Expect(paintingShown != (IsWindowVisible(GetDlgItem(dialog, ids::Pic_C)) != FALSE),
           "one page shows");
    std::printf("page %s\n", paintingShown ? "painting" : "music");
    static const char* const kKeys[] = {"Preset", "DrawMode", "Amount", "Size",
                                        "Speed",  "Trail",    "Flows"};
    std::string look;
    for (int list = 0; list <= static_cast<int>(LookList::kFlows); ++list) {
        const HWND box = GetDlgItem(painting, ids::Look + list);
        Expect(ClassOf(box) == "ComboBox", std::string(kKeys[list]) + "'s list is a ComboBox");
        look += std::string(list == 0 ? "" : "|") + kKeys[list] + "=" + Utf8(TextOf(box));
    }
    const bool enabled = IsWindowEnabled(GetDlgItem(painting, ids::Look + 1)) != FALSE;
    std::printf("look %s|lists=%s\n", look.c_str(), enabled ? "enabled" : "disabled");
    const HWND monitors = GetDlgItem(painting, ids::Look + static_cast<int>(LookList::kMonitors));
    Expect(ClassOf(monitors) == "ComboBox", "the monitors' list is a ComboBox");
    std::printf("monitors %s|%s\n", Utf8(TextOf(monitors)).c_str(),
                IsWindowEnabled(monitors) != FALSE ? "enabled" : "disabled");
}

// The text of the message box that Velmora.scr shows over its dialog.
int Message() {
    const HWND box = FindWindowA("#32770", kApplicationTitle);
    std::wstring text;
    if (box != nullptr) {
        text = TextOf(GetDlgItem(box, 0xFFFF));
        for (std::size_t at; (at = text.find(L'\n')) != std::wstring::npos;) {
            text.replace(at, 1, L" / ");
        }
        text.erase(std::remove(text.begin(), text.end(), L'\r'), text.end());
    }
    std::printf("message %s\n", box != nullptr ? Utf8(text).c_str() : "none");
    std::fflush(stdout);
    return 0;
}

int Look() {
    // Coordinates as the dialog itself has them, whatever the resolution.
    SetProcessDPIAware();
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    std::printf("dpi %d\n", dpi);

    const HWND dialog = FindWindowA(nullptr, kSettingsDialogTitle);
    Expect(dialog != nullptr, "a window titled <Velmora>");
    if (dialog == nullptr) {
        return Summary();
    }
    const HWND panel = GetDlgItem(dialog, ids::Pic_C);
    LookAtWindow(dialog, dpi);
    LookAtControls(dialog, panel, dpi);
    LookAtRepeat(panel);
    LookAtFile(panel, dpi);
    LookAtPainting(dialog);
    LookAtFocus(dialog);
    return Summary();
}

// The dialog's tooltip that is on the screen: a window of its own, owned by
// the dialog. It answers with the text it shows.
BOOL CALLBACK FindShownTip(HWND window, LPARAM found) {
    auto* tip = reinterpret_cast<std::pair<HWND, HWND>*>(found);
    if (ClassOf(window) == "tooltips_class32" && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == tip->first) {
        tip->second = window;
        return FALSE;
    }
    return TRUE;
}

int Tip() {
    std::pair<HWND, HWND> tip{FindWindowA(nullptr, kSettingsDialogTitle), nullptr};
    if (tip.first != nullptr) {
        EnumWindows(FindShownTip, reinterpret_cast<LPARAM>(&tip));
    }
    std::printf("tip %s\n", tip.second != nullptr ? Utf8(TextOf(tip.second)).c_str() : "none");
    std::fflush(stdout);
    return 0;
}

BOOL CALLBACK FindFileList(HWND child, LPARAM found) {
    if (ClassOf(child) == "SysListView32") {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

// The middle of the first item's name on the screen: a small icon, then the
// name, half a line down from the top, or below the column headings in the
// details view.
POINT FirstItem(HWND list) {
    POINT item{20, 8};
    if ((GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT) {
        RECT heading{};
        GetWindowRect(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), &heading);
        item.y += heading.bottom - heading.top;
    }
    ClientToScreen(list, &item);
    return item;
}

HWND Chooser() {
    return FindWindowW(L"#32770", WideFromShiftJis(Texts().openFileTitle).c_str());
}

int CancelChooser() {
    const HWND chooser = Chooser();
    if (chooser != nullptr) {
        PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return chooser != nullptr ? 0 : 1;
}

// The open-file dialog's file-type list (cmb1) shows the filter's
// description.
int ChooserFilter() {
    const HWND chooser = Chooser();
    if (chooser == nullptr) {
        std::printf("no open-file dialog\n");
        return 1;
    }
    std::printf("filter %s\n", Utf8(TextOf(GetDlgItem(chooser, 0x470))).c_str());
    std::fflush(stdout);
    return 0;
}

int PlaceChooser(int x, int y) {
    SetProcessDPIAware();
    const HWND chooser = Chooser();
    HWND list = nullptr;
    if (chooser != nullptr) {
        EnumChildWindows(chooser, FindFileList, reinterpret_cast<LPARAM>(&list));
    }
    if (list == nullptr) {
        std::printf("no open-file dialog with a file list\n");
        return 1;
    }
    POINT item = FirstItem(list);
    RECT window;
    GetWindowRect(chooser, &window);
    SetWindowPos(chooser, nullptr, window.left + x - item.x, window.top + y - item.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    item = FirstItem(list);
    std::printf("item %ld %ld\n", item.x, item.y);
    std::fflush(stdout);
    return 0;
}

BOOL CALLBACK FindDroppedList(HWND window, LPARAM found) {
    if (ClassOf(window) == "ComboLBox" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Where item N of the list that a combo box has dropped down lies: the list
// is a window of its own, its items one item height each from the top one
// shown.
int ListItem(int item) {
    SetProcessDPIAware();
    HWND list = nullptr;
    EnumWindows(FindDroppedList, reinterpret_cast<LPARAM>(&list));
    if (list == nullptr) {
        std::printf("item none\n");
        return 1;
    }
    const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    RECT client;
    GetClientRect(list, &client);
    POINT at{client.right / 2, static_cast<LONG>((item - top) * height + height / 2)};
    ClientToScreen(list, &at);
    std::printf("item %ld %ld\n", at.x, at.y);
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "look") {
        return Look();
    }
    if (command == "message") {
        return Message();
    }
    if (command == "close-message") {
        const HWND box = FindWindowA("#32770", kApplicationTitle);
        return box != nullptr && PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0) ? 0
                                                                                                : 1;
    }
    if (command == "tip") {
        return Tip();
    }
    if (command == "cancel-chooser") {
        return CancelChooser();
    }
    if (command == "chooser-filter") {
        return ChooserFilter();
    }
    if (command == "list-item" && argc > 2) {
        return ListItem(std::atoi(argv[2]));
    }
    if (command == "place-chooser" && argc > 3) {
        return PlaceChooser(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    std::fprintf(stderr, "usage: see the head of settings_dialog_probe.cpp\n");
    return 2;
}
