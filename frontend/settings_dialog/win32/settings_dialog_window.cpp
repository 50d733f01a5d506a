#include "settings_dialog_window.h"

#include <memory>

#include "dialog_background.h"
#include "dialog_controls.h"
#include "dialog_font.h"
#include "dialog_keys.h"
#include "dialog_layout.h"
#include "gdi_font_catalog.h"
#include "maker.h"
#include "maker_info.h"
#include "resource_ids.h"
#include "settings_dialog_form.h"
#include "settings_dialog_ids.h"
#include "shift_jis_text.h"
#include "torvi_p.h"
#include "win32_settings_dialog_port.h"
#include "window_titles.h"

namespace {

namespace ids = settings_dialog_ids;
namespace layout = dialog_layout;

constexpr wchar_t kDialogClass[] = L"Torvi_P";

// A fixed single border, a caption bar with the icon, and the close box.
constexpr DWORD kDialogStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The keyboard moves into the panel's controls too.
constexpr DWORD kContainerExStyle = WS_EX_CONTROLPARENT;

struct SettingsDialog {
    SettingsDialog(HINSTANCE instance, int dpi) : instance(instance), dpi(dpi) {}

    HINSTANCE instance;
    int dpi;
    HWND window = nullptr;
    DialogForm form;
    std::unique_ptr<Win32SettingsDialogPort> port;
    std::unique_ptr<Torvi_P> model;
    FrontEndState* state = nullptr;
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

int ChosenKind(const SettingsDialog& dialog) {
    return dialog.state->settings.BGM_Kind;
}

HWND KindLabel(const SettingsDialog& dialog, int kind) {
    return GetDlgItem(dialog.form.panel, ids::lbl_BGM + kind);
}

FocusState FocusStateOf(const SettingsDialog& dialog) {
    return {ChosenKind(dialog), dialog.model->page(),
            dialog.model->paintingPage().SettingListsEnabled()};
}

HWND ButtonWindow(const SettingsDialog& dialog, DialogButton which) {
    return dialog.form.windows.buttons[static_cast<std::size_t>(which)];
}

// The button on the shown page that leads to the other one.
DialogButton PageButton(const SettingsDialog& dialog) {
    return dialog.model->page() == DialogPage::kMusic ? DialogButton::Cmd_Page1
                                                      : DialogButton::Cmd_Page0;
}

// The window that stands for a stop: the kind choice is the chosen kind's
// label (the audio CD's while no kind is chosen).
HWND WindowOfStop(const SettingsDialog& dialog, FocusStop stop) {
    LookList list;
    if (ListOfStop(stop, list)) {
        return dialog.form.windows.looks[static_cast<std::size_t>(list)];
    }
    switch (stop) {
        case FocusStop::kKindChoice: {
            const int kind = ChosenKind(dialog);
            return KindLabel(dialog, kind >= 0 && kind <= 2 ? kind : 1);
        }
        case FocusStop::kRepeatList:
            return dialog.form.windows.repeat;
        case FocusStop::kFileButton:
            return ButtonWindow(dialog, DialogButton::Cmd_BGM);
        case FocusStop::kPageButton:
            return ButtonWindow(dialog, PageButton(dialog));
        case FocusStop::kOtherWorks:
            return ButtonWindow(dialog, DialogButton::Cmd_Etc);
        case FocusStop::kSet:
            return ButtonWindow(dialog, DialogButton::Cmd_Set);
        case FocusStop::kCancel:
            return ButtonWindow(dialog, DialogButton::Cmd_Can);
        default:
            break;
    }
    return nullptr;
}

bool IsOrHolds(HWND window, HWND focus) {
    return window != nullptr && (focus == window || IsChild(window, focus));
}

FocusStop StopOfWindow(const SettingsDialog& dialog, HWND focus) {
    if (focus == nullptr) {
        return FocusStop::kNone;
    }
    for (int kind = 0; kind < 3; ++kind) {
        if (focus == KindLabel(dialog, kind)) {
            return FocusStop::kKindChoice;
        }
    }
    if (IsOrHolds(dialog.form.windows.repeat, focus)) {
        return FocusStop::kRepeatList;
    }
    for (int list = 0; list < kLookListCount; ++list) {
        if (IsOrHolds(dialog.form.windows.looks[static_cast<std::size_t>(list)], focus)) {
            return StopOfList(static_cast<LookList>(list));
        }
    }
    if (focus == ButtonWindow(dialog, DialogButton::Cmd_Page0) ||
        focus == ButtonWindow(dialog, DialogButton::Cmd_Page1)) {
        return FocusStop::kPageButton;
    }
    for (const FocusStop stop :
         {FocusStop::kFileButton, FocusStop::kOtherWorks, FocusStop::kSet, FocusStop::kCancel}) {
        if (focus == WindowOfStop(dialog, stop)) {
            return stop;
        }
    }
    return FocusStop::kNone;
}

// After the kind changed: the kind choice's focus follows the chosen label,
// and a stop that the new kind disables gives the focus back to it.
void FocusAfterKindChange(SettingsDialog& dialog) {
    const FocusStop stop = StopOfWindow(dialog, GetFocus());
    if (stop == FocusStop::kKindChoice || !FocusStopUsable(stop, FocusStateOf(dialog))) {
        SetFocus(WindowOfStop(dialog, FocusStop::kKindChoice));
    }
}

// The combo box that has the keyboard, if one has it.
HWND FocusedList(const SettingsDialog& dialog, FocusStop focus) {
    LookList list;
    if (ListOfStop(focus, list)) {
        return dialog.form.windows.looks[static_cast<std::size_t>(list)];
    }
    return focus == FocusStop::kRepeatList ? dialog.form.windows.repeat : nullptr;
}

DialogKey KeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_RETURN:
            return DialogKey::kReturn;
        case VK_ESCAPE:
            return DialogKey::kEscape;
        case VK_TAB:
            return GetKeyState(VK_SHIFT) < 0 ? DialogKey::kShiftTab : DialogKey::kTab;
        case VK_UP:
            return DialogKey::kUp;
        case VK_DOWN:
            return DialogKey::kDown;
        default:
            return DialogKey::kOther;
    }
}

// The dialog's own keys, before the focused control sees them; false leaves
// the key to that control.
bool HandleDialogKey(SettingsDialog& dialog, const MSG& message) {
    if (message.message != WM_KEYDOWN ||
        (message.hwnd != dialog.window && !IsChild(dialog.window, message.hwnd))) {
        return false;
    }
    const DialogKey key = KeyOf(message.wParam);
    if (key == DialogKey::kOther) {
        return false;
    }
    const FocusStop focus = StopOfWindow(dialog, GetFocus());
    const HWND list = FocusedList(dialog, focus);
    const bool dropped = list != nullptr && SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0;
    Torvi_P& model = *dialog.model;
    const KeyAction action = ActionForKey(key, focus, dropped);
    switch (action) {
        case KeyAction::kToControl:
            return false;
        case KeyAction::kSave:
            model.Cmd_Set_Click();
            break;
        case KeyAction::kCancel:
            model.Cmd_Can_Click();
            break;
        case KeyAction::kNextStop:
        case KeyAction::kPreviousStop:
            SetFocus(WindowOfStop(dialog, NextFocusStop(focus, FocusStateOf(dialog),
                                                        action == KeyAction::kPreviousStop)));
            break;
        case KeyAction::kKindUp:
            model.SelectKind(KindAbove(ChosenKind(dialog)));
            FocusAfterKindChange(dialog);
            break;
        case KeyAction::kKindDown:
            model.SelectKind(KindBelow(ChosenKind(dialog)));
            FocusAfterKindChange(dialog);
            break;
    }
    return true;
}

void OnCommand(SettingsDialog& dialog, int id, int code, HWND control) {
    Torvi_P& model = *dialog.model;
    if (id >= ids::Look && id < ids::Look + kLookListCount) {
        if (code == CBN_SELCHANGE) {
            const LRESULT item = SendMessageW(control, CB_GETCURSEL, 0, 0);
            model.LookListChosen(static_cast<LookList>(id - ids::Look), static_cast<int>(item));
        }
        return;
    }
    if (code == kControlPressed) {
        for (int kind = 0; kind < 3; ++kind) {
            if (id == ids::Img_BGM + kind || id == ids::lbl_BGM + kind) {
                model.SelectKind(kind);
                FocusAfterKindChange(dialog);
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
        case ids::Cmd_Page + 0:
            model.Cmd_Page_Click(DialogPage::kMusic);
            break;
        case ids::Cmd_Page + 1:
            model.Cmd_Page_Click(DialogPage::kPainting);
            break;
        default:
            break;
    }
}

void OnResize(SettingsDialog& dialog) {
    DialogForm& form = dialog.form;
    form.dialogBackground->fitToWindow();
    form.panelBackground->fitToWindow();
    form.paintingBackground->fitToWindow();
    dialog.model->Resize(*form.dialogBackground, *form.panelBackground, *form.paintingBackground);
    RedrawWindow(dialog.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
            // The dialog's keys are handled before they get here.
            if (ready && lParam != 0) {
                OnCommand(*dialog, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
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
    WNDCLASSW existing;
    bool ready = GetClassInfoW(instance, kDialogClass, &existing) != FALSE;
    if (!ready) {
        WNDCLASSW dialog{};
        dialog.lpfnWndProc = DialogProc;
        dialog.hInstance = instance;
        dialog.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VELMORA));
        dialog.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        dialog.lpszClassName = kDialogClass;
        ready = RegisterClassW(&dialog) != 0;
    }
    return RegisterFormClasses(instance) && ready;
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
        if (!HandleDialogKey(dialog, message)) {
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
    SettingsDialog dialog(instance, SystemDpi());
    dialog.window = CreateDialogWindow(dialog);
    if (dialog.window == nullptr) {
        return;
    }
    GdiFontCatalog fonts;
    CreateDialogForm(instance, dialog.window, dialog.dpi, ScreenTextsIn(state.language),
                     ScreenFont(state.language, fonts), dialog.form);
    dialog.port =
        std::make_unique<Win32SettingsDialogPort>(instance, dialog.dpi, dialog.form.windows);
    dialog.model = std::make_unique<Torvi_P>(*dialog.port, state,
                                             MakersPageAddress(kMakerUrl, state.programFolderPath));

    dialog.state = &state;
    dialog.model->Load();
    // The resize that the first showing brings.
    OnResize(dialog);
    // The keyboard starts on the kind choice when the window first becomes
    // active.
    dialog.focus = WindowOfStop(dialog, FocusStop::kKindChoice);
    ShowWindow(dialog.window, SW_SHOWNORMAL);
    SetForegroundWindow(dialog.window);
    UpdateWindow(dialog.window);
    RunUntilClosed(dialog);
    if (IsWindow(dialog.window)) {
        DestroyWindow(dialog.window);
    }
}
