#pragma once

#include <windows.h>

#include <string>

// The dialog's light-weight controls, drawn over the picture of the container
// they lie on (see DialogBackground): labels and images. A press of any mouse
// button on one reaches the container as WM_COMMAND with the control's id and
// kControlPressed.

inline constexpr WORD kControlPressed = 0;

// Registers both classes once per process.
bool RegisterDialogControlClasses(HINSTANCE instance);

enum class LabelAlignment { kLeft, kCentre };
enum class LabelLines { kOne, kWrapped };

// A label: its caption (the window text), in `font` and `colour`, with a
// transparent background. A wrapped label breaks a caption too long for its
// width into lines, between words or, where a word (a path) is too long,
// inside it.
HWND CreateDialogLabel(HWND container, int id, const RECT& placement, const std::wstring& caption,
                       HFONT font, COLORREF colour, LabelAlignment alignment, LabelLines lines);

// Shows a path in the label: whole where it fits, else shortened in the
// middle so that the file's name is seen (see ShortenedPath); the whole path
// is the label's tooltip.
void SetDialogPathCaption(HWND label, const std::wstring& path);

// The width of a caption in a font, and the height of one of its lines, in
// pixels.
int CaptionWidth(const std::wstring& caption, HFONT font);
int LineHeight(HFONT font);
// How high a caption is when broken into lines at words to fit `width`, as a
// wrapped label draws it.
int WrappedHeight(const std::wstring& caption, HFONT font, int width);

// An image: a picture drawn at its own size from the control's top-left
// corner, with the container showing around it.
HWND CreateDialogImage(HWND container, int id, const RECT& placement);
// Shows another picture (null: none). The picture stays the caller's.
void SetDialogImagePicture(HWND image, HBITMAP picture);
