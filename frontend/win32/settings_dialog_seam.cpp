#include "settings_dialog_seam.h"

// The settings dialog is not part of this program yet: asking for the
// settings ends after the start-up's own steps (settings read, renderer
// found).
void ShowSettingsDialogModal(HINSTANCE, FrontEndState&) {}
