#include "settings_dialog_window.h"

#include <memory>

#include "dialog_background.h"
#include "dialog_controls.h"
#include "dialog_layout.h"
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
    DialogForm& form = dialog.form;
    form.dialogBackground->fitToWindow();
    form.panelBackground->fitToWindow();
    dialog.model->Resize(*form.dialogBackground, *form.panelBackground);
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
        // Tab and the arrow keys move between the controls.
        if (!IsDialogMessageW(dialog.window, &message)) {
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
    CreateDialogForm(instance, dialog.window, dialog.dpi, dialog.form);
    dialog.port =
        std::make_unique<Win32SettingsDialogPort>(instance, dialog.dpi, dialog.form.windows);
    dialog.model = std::make_unique<Torvi_P>(*dialog.port, state,
                                             MakersPageAddress(kMakerUrl, state.programFolder));

    dialog.model->Load();
    // The resize that the first showing brings.
    OnResize(dialog);
    ShowWindow(dialog.window, SW_SHOWNORMAL);
    SetForegroundWindow(dialog.window);
    UpdateWindow(dialog.window);
    RunUntilClosed(dialog);
    if (IsWindow(dialog.window)) {
        DestroyWindow(dialog.window);
    }
}
