#include "settings_dialog_window.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "button_font.h"
#include "command_window.h"
#include "dialog_background.h"
#include "dialog_controls.h"
#include "dialog_layout.h"
#include "maker.h"
#include "maker_info.h"
#include "property_sets_resource.h"
#include "resource_ids.h"
#include "settings_dialog_ids.h"
#include "shift_jis_text.h"
#include "texts.h"
#include "torvi_p.h"
#include "win32_settings_dialog_port.h"
#include "window_titles.h"

namespace {

namespace ids = settings_dialog_ids;
namespace layout = dialog_layout;

constexpr wchar_t kDialogClass[] = L"Torvi_P";
constexpr wchar_t kPanelClass[] = L"Torvi_P.Pic_C";

// A fixed single border, a caption bar with the icon, and the close box.
constexpr DWORD kDialogStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The keyboard moves into the panel's controls too.
constexpr DWORD kContainerExStyle = WS_EX_CONTROLPARENT;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The combo box's list shows this many items before it scrolls.
constexpr int kVisibleItems = 10;

struct DialogButtonPlace {
    DialogButton which;
    const char* name;  // of its stored property set
    int id;
    layout::Place place;
    bool onPanel;
};

constexpr DialogButtonPlace kButtons[] = {
    {DialogButton::Cmd_BGM, "Cmd_BGM", ids::Cmd_BGM, layout::Cmd_BGM, true},
    {DialogButton::Cmd_Etc, "Cmd_Etc", ids::Cmd_Etc, layout::Cmd_Etc, false},
    {DialogButton::Cmd_Set, "Cmd_Set", ids::Cmd_Set, layout::Cmd_Set, false},
    {DialogButton::Cmd_Can, "Cmd_Can", ids::Cmd_Can, layout::Cmd_Can, false},
};

struct SettingsDialog {
    SettingsDialog(HINSTANCE instance, FrontEndState& state, int dpi)
        : instance(instance), state(state), dpi(dpi) {}

    ~SettingsDialog() {
        if (font != nullptr) {
            DeleteObject(font);
        }
        for (HBITMAP mark : windows.marks) {
            if (mark != nullptr) {
                DeleteObject(mark);
            }
        }
    }

    RECT pixels(const layout::Place& place) const {
        const layout::PixelPlace p = layout::Pixels(place, dpi);
        return {p.left, p.top, p.left + p.width, p.top + p.height};
    }

    HINSTANCE instance;
    FrontEndState& state;
    int dpi;
    HFONT font = nullptr;
    HWND panel = nullptr;
    SettingsDialogWindows windows;
    std::unique_ptr<DialogBackground> dialogBackground;
    std::unique_ptr<DialogBackground> panelBackground;
    std::unique_ptr<Win32SettingsDialogPort> port;
    std::unique_ptr<Torvi_P> model;
    HWND focus = nullptr;  // where the keyboard was when the dialog lost it
    bool closed = false;
};

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : 96;
}

SettingsDialog* DialogOf(HWND window) {
    return reinterpret_cast<SettingsDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The dialog and the panel show their picture, with the outlines on it.
void PaintContainer(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    if (const DialogBackground* background = DialogBackground::Of(window)) {
        background->paintPart(dc, {0, 0}, {client.right, client.bottom});
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCDESTROY:
            DialogBackground::Detach(window);
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintContainer(window);
            return 0;
        case WM_COMMAND:
            // The dialog handles what happens on the panel.
            return SendMessageW(GetParent(window), message, wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            // The combo box is white.
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, kWhite);
            SetTextColor(dc, kBlack);
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void OnCommand(SettingsDialog& dialog, int id, int code) {
    Torvi_P& model = *dialog.model;
    if (code == kControlPressed) {
        for (int kind = 0; kind < 3; ++kind) {
            if (id == ids::Img_BGM + kind || id == ids::lbl_BGM + kind) {
                model.SelectKind(kind);
                return;
            }
        }
    }
    if (code != BN_CLICKED) {
        return;
    }
    switch (id) {
        case ids::Cmd_BGM:
            model.Cmd_BGM_Click();
            break;
        case ids::Cmd_Set:
            model.Cmd_Set_Click();
            break;
        case ids::Cmd_Can:
            model.Cmd_Can_Click();
            break;
        case ids::Cmd_Etc:
            model.Cmd_Etc_Click();
            break;
        default:
            break;
    }
}

void OnResize(SettingsDialog& dialog) {
    dialog.dialogBackground->fitToWindow();
    dialog.panelBackground->fitToWindow();
    dialog.model->Resize(*dialog.dialogBackground, *dialog.panelBackground);
    RedrawWindow(dialog.windows.dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    SettingsDialog* dialog = DialogOf(window);
    const bool ready = dialog != nullptr && dialog->model != nullptr;
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintContainer(window);
            return 0;
        case WM_SIZE:
            if (ready && wParam != SIZE_MINIMIZED) {
                OnResize(*dialog);
            }
            return 0;
        case WM_COMMAND:
            // Commands without a control are the dialog keys' (Enter, Escape),
            // which no button here answers to.
            if (ready && lParam != 0) {
                OnCommand(*dialog, LOWORD(wParam), HIWORD(wParam));
            }
            return 0;
        case WM_ACTIVATE:
            // The keyboard comes back to the control that had it.
            if (dialog != nullptr) {
                if (LOWORD(wParam) == WA_INACTIVE) {
                    const HWND focus = GetFocus();
                    dialog->focus = focus != nullptr && IsChild(window, focus) ? focus : nullptr;
                } else if (dialog->focus != nullptr && IsWindow(dialog->focus)) {
                    SetFocus(dialog->focus);
                    return 0;
                }
            }
            break;
        case WM_CLOSE:
            // Set, Cancel and the close box all end here.
            if (ready) {
                dialog->model->Unload();
            }
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            if (dialog != nullptr) {
                dialog->closed = true;
            }
            return 0;
        case WM_NCDESTROY:
            DialogBackground::Detach(window);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterDialogClasses(HINSTANCE instance) {
    const HCURSOR arrow = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    WNDCLASSW existing;
    bool ready = GetClassInfoW(instance, kDialogClass, &existing) != FALSE;
    if (!ready) {
        WNDCLASSW dialog{};
        dialog.lpfnWndProc = DialogProc;
        dialog.hInstance = instance;
        dialog.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VELMORA));
        dialog.hCursor = arrow;
        dialog.lpszClassName = kDialogClass;
        ready = RegisterClassW(&dialog) != 0;
    }
    if (!GetClassInfoW(instance, kPanelClass, &existing)) {
        WNDCLASSW panel{};
        panel.lpfnWndProc = PanelProc;
        panel.hInstance = instance;
        panel.hCursor = arrow;
        panel.lpszClassName = kPanelClass;
        ready = RegisterClassW(&panel) != 0 && ready;
    }
    return RegisterDialogControlClasses(instance) && RegisterCommandClass(instance) && ready;
}

// The captions' font, the one the buttons take from the dialog too.
HFONT CreateCaptionFont(int height) {
    const ButtonFont font = DialogFont();
    return CreateFontW(-height, 0, 0, 0, font.weight, font.italic, font.underline,
                       font.strikethrough, static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       WideFromShiftJis(font.name.c_str()).c_str());
}

HBITMAP LoadMark(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// A label at its designed place. A one-line caption that the system's font
// draws wider than designed grows to the right, over nothing but the
// container, instead of losing its last letters; a wrapped one keeps the
// number of lines it was designed for, however high the font's lines are.
HWND Label(SettingsDialog& dialog, HWND container, int id, const layout::Place& place,
           const char* caption, COLORREF colour, LabelLines lines = LabelLines::kOne,
           LabelAlignment alignment = LabelAlignment::kLeft) {
    const std::wstring text = WideFromShiftJis(caption);
    RECT placement = dialog.pixels(place);
    if (lines == LabelLines::kOne) {
        const int width = CaptionWidth(text, dialog.font);
        if (width > placement.right - placement.left) {
            placement.right = placement.left + width;
        }
    } else {
        // Counted in twips, where a line of the font is its size in points
        // times 20, so that rounding to pixels cannot lose a line.
        const int designedLines =
            std::max(1, static_cast<int>(std::lround(place.height / (DialogFont().size * 20))));
        const int height = designedLines * LineHeight(dialog.font);
        if (height > placement.bottom - placement.top) {
            placement.bottom = placement.top + height;
        }
    }
    return CreateDialogLabel(container, id, placement, text, dialog.font, colour, alignment, lines);
}

// The combo box BGM_Repeat, its selection field as high as designed.
HWND CreateRepeatBox(SettingsDialog& dialog) {
    const RECT place = dialog.pixels(layout::BGM_Repeat);
    const int fieldHeight = place.bottom - place.top;
    const HWND combo = CreateWindowExW(
        0, L"ComboBox", L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
        place.left, place.top, place.right - place.left, fieldHeight, dialog.panel,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::BGM_Repeat)), dialog.instance, nullptr);
    if (combo == nullptr) {
        return nullptr;
    }
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.font), FALSE);
    // The height given to a drop-down combo box includes its list.
    const LRESULT listItem = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
    const int listHeight = static_cast<int>(listItem > 0 ? listItem : fieldHeight) * kVisibleItems;
    SetWindowPos(combo, nullptr, 0, 0, place.right - place.left, fieldHeight + listHeight + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The selection field follows its item height and the font's; bring it
    // to the designed height, a step or two at most (systems differ in what
    // they add to the item height).
    LRESULT request = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 3 && request > 0; ++attempt) {
        RECT shown;
        GetWindowRect(combo, &shown);
        const int difference = fieldHeight - (shown.bottom - shown.top);
        if (difference == 0 || request + difference <= 0) {
            break;
        }
        request += difference;
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
    }
    return combo;
}

// Everything on the dialog, at the places it was designed for.
void CreateControls(SettingsDialog& dialog) {
    const HWND window = dialog.windows.dialog;
    const RECT panelPlace = dialog.pixels(layout::Pic_C);
    dialog.panel = CreateWindowExW(
        kContainerExStyle, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
        panelPlace.left, panelPlace.top, panelPlace.right - panelPlace.left,
        panelPlace.bottom - panelPlace.top, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::Pic_C)), dialog.instance, nullptr);
    dialog.dialogBackground = std::make_unique<DialogBackground>(window);
    dialog.dialogBackground->attach();
    dialog.panelBackground = std::make_unique<DialogBackground>(dialog.panel);
    dialog.panelBackground->attach();
    dialog.panelBackground->addOutline(dialog.pixels(layout::Shape3), kBlack);

    const HWND panel = dialog.panel;
    Label(dialog, panel, ids::lbl_15, layout::lbl_15, "BGM", kBlack, LabelLines::kOne,
          LabelAlignment::kCentre);
    const char* const kindCaptions[3] = {kCaptionNone, kCaptionCompactDisc, kCaptionMusicFile};
    for (int kind = 0; kind < 3; ++kind) {
        dialog.windows.kindImages[static_cast<std::size_t>(kind)] =
            CreateDialogImage(panel, ids::Img_BGM + kind, dialog.pixels(layout::Img_BGM[kind]));
        Label(dialog, panel, ids::lbl_BGM + kind, layout::lbl_BGM[kind], kindCaptions[kind],
              kBlack);
    }
    dialog.windows.repeat = CreateRepeatBox(dialog);
    Label(dialog, panel, ids::lbl_14, layout::lbl_14, kCaptionRepeat, kBlack);
    dialog.windows.fileLabel =
        Label(dialog, panel, ids::lbl_Fname, layout::lbl_Fname, "", kBlack, LabelLines::kWrapped);

    const std::string designedBy = DesignedByText(kMakerName, kVelmoraVersion);
    Label(dialog, window, ids::lbl_7, layout::lbl_7, designedBy.c_str(), kWhite,
          LabelLines::kWrapped);

    // The buttons, each from its stored property set, in the order the
    // keyboard visits them after the combo box.
    const PropertySetsReading stored = LoadPropertySets(dialog.instance, IDR_DIALOG_BUTTONS);
    for (const DialogButtonPlace& button : kButtons) {
        const HWND container = button.onPanel ? panel : window;
        dialog.windows.buttons[static_cast<std::size_t>(button.which)] =
            CreateCommand(container, button.id, dialog.pixels(button.place),
                          FindPropertySet(stored.sets, button.name));
    }
}

// The window hidden, at the designed client size in this resolution's pixels.
HWND CreateDialogWindow(SettingsDialog& dialog) {
    const int width = layout::Pixels(layout::kClientWidth, dialog.dpi);
    const int height = layout::Pixels(layout::kClientHeight, dialog.dpi);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, kDialogStyle, FALSE, kContainerExStyle);
    const HWND window = CreateWindowExW(
        kContainerExStyle, kDialogClass, WideFromShiftJis(kSettingsDialogTitle).c_str(),
        kDialogStyle, 0, 0, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
        dialog.instance, &dialog);
    if (window == nullptr) {
        return nullptr;
    }
    // Whatever border the system draws, the client area is the designed one.
    RECT client;
    GetClientRect(window, &client);
    if (client.right != width || client.bottom != height) {
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + width - client.right,
                     frame.bottom - frame.top + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return window;
}

void RunUntilClosed(SettingsDialog& dialog) {
    MSG message;
    while (!dialog.closed && GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab and the arrow keys move between the controls.
        if (!IsDialogMessageW(dialog.windows.dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace

void ShowSettingsDialogModal(HINSTANCE instance, FrontEndState& state) {
    if (!RegisterDialogClasses(instance)) {
        return;
    }
    SettingsDialog dialog(instance, state, SystemDpi());
    dialog.font = CreateCaptionFont(layout::FontPixelHeight(DialogFont().size, dialog.dpi));
    dialog.windows.marks = {LoadMark(instance, IDB_MARK_UNSELECTED),
                            LoadMark(instance, IDB_MARK_SELECTED)};
    dialog.windows.dialog = CreateDialogWindow(dialog);
    if (dialog.windows.dialog == nullptr) {
        return;
    }
    CreateControls(dialog);
    dialog.port = std::make_unique<Win32SettingsDialogPort>(instance, dialog.dpi, dialog.windows);
    dialog.model = std::make_unique<Torvi_P>(*dialog.port, state,
                                             MakersPageAddress(kMakerUrl, state.programFolder));

    dialog.model->Load();
    // The resize that the first showing brings.
    OnResize(dialog);
    ShowWindow(dialog.windows.dialog, SW_SHOWNORMAL);
    SetForegroundWindow(dialog.windows.dialog);
    UpdateWindow(dialog.windows.dialog);
    RunUntilClosed(dialog);
    if (IsWindow(dialog.windows.dialog)) {
        DestroyWindow(dialog.windows.dialog);
    }
}
