#pragma once

#include "renderer_window.h"

// Window titles and captions by which the programs find each other, and the
// title of the one message box. All plain ASCII, passed to the "A" functions.

// The hidden saver-run window; a second start that finds it ends at once.
inline constexpr char kSaverRunTitle[] = "Torvi_Main";
// The settings dialog, angle brackets included.
inline constexpr char kSettingsDialogTitle[] = "<Velmora>";
// The caption of the missing-renderer message box.
inline constexpr char kApplicationTitle[] = "Velmora (ScreenSaver)";
// The preview window's caption; it has no title bar to show it in.
inline constexpr char kPreviewCaption[] = "Preview Window";
