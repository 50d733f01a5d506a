#pragma once

#include <windows.h>

#include <memory>

#include "button_font.h"
#include "dialog_background.h"
#include "dialog_layout.h"
#include "screen_texts.h"
#include "win32_settings_dialog_port.h"

// Everything on the settings dialog's window, made at its designed place at
// the system's resolution: the music panel Pic_C(0) with its labels, marks,
// combo box and file button, the painting panel Pic_C(1) in its place,
// hidden, with its lists and moving picture, each panel with the button to
// the other, the maker's line and the three buttons below, the buttons from
// their stored property sets; and the pictures that the dialog and the panels
// are painted from.
struct DialogForm {
    DialogForm() = default;
    ~DialogForm();
    DialogForm(const DialogForm&) = delete;
    DialogForm& operator=(const DialogForm&) = delete;

    // A designed place in this resolution's pixels.
    RECT pixels(const dialog_layout::Place& place) const;

    HINSTANCE instance = nullptr;
    int dpi = 96;
    HFONT font = nullptr;          // the captions'
    HWND panel = nullptr;          // Pic_C(0), the music's
    HWND paintingPanel = nullptr;  // Pic_C(1)
    SettingsDialogWindows windows;
    std::unique_ptr<DialogBackground> dialogBackground;
    std::unique_ptr<DialogBackground> panelBackground;
    std::unique_ptr<DialogBackground> paintingBackground;
};

// The window classes of the panels, the labels and marks, the moving picture
// and the buttons.
bool RegisterFormClasses(HINSTANCE instance);

// Makes the form on the dialog's window, its captions `texts` in `font`
// (see ScreenFont).
void CreateDialogForm(HINSTANCE instance, HWND dialog, int dpi, const ScreenTexts& texts,
                      const ButtonFont& font, DialogForm& form);
