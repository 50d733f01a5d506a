#pragma once

// The preview still, a 152 x 112 JPEG stored as raw data.
#define IDR_PREVIEW_STILL 101
// The settings dialog's two 12 x 12 choice marks: an empty light square and a
// square filled with blue.
#define IDB_MARK_UNSELECTED 102
#define IDB_MARK_SELECTED 103
// The stored property sets of the settings dialog's four buttons, a text
// block (frontend/settings_dialog/dialog_buttons.txt).
#define IDR_DIALOG_BUTTONS 104
// The program's icon, the renderer's picture, shown in the settings dialog's
// caption bar.
#define IDI_VELMORA 7002
