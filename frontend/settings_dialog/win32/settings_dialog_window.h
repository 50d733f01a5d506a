#pragma once

#include <windows.h>

#include "front_end_state.h"

// Shows the settings dialog Torvi_P (caption "<Velmora>") modally, with no
// owner, over the settings that the start-up has read; returns once it has
// closed. Its controls are laid out at the system's resolution.
void ShowSettingsDialogModal(HINSTANCE instance, FrontEndState& state);
