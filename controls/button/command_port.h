#pragma once

#include <cstdint>

#include "button_font.h"

// What the button control needs from its host and the platform besides its
// drawing surface: the mouse timer, the windows involved in the hover check,
// the Click event, change reports, the host's ambient font, and a repaint
// when what the caption label or the background shows has changed.
class CommandPort {
  public:
    virtual ~CommandPort() = default;

    // Switches TmrMouse on (again) with this interval; it then ticks until
    // the control is destroyed.
    virtual void startMouseTimer(std::uint32_t milliseconds) = 0;

    // Window handles as numbers: the control's own window, the host form's
    // window, and the window under the cursor in screen coordinates
    // (GetCursorPos, then WindowFromPoint; 0 for none).
    virtual std::uintptr_t ownWindow() = 0;
    virtual std::uintptr_t hostWindow() = 0;
    virtual std::uintptr_t windowUnderCursor() = 0;

    // Raises the control's one event.
    virtual void raiseClick() = 0;
    // Tells the host that a persisted property changed, under its key, so
    // that it writes the property set again when it saves.
    virtual void propertyChanged(const char* key) = 0;
    // The host's ambient font, the default of the stored "Font".
    virtual ButtonFont ambientFont() = 0;
    // The caption label or the background style changed: the window must
    // show it.
    virtual void labelChanged() = 0;
};
