#pragma once

#include <cstdint>

// A cursor position in screen pixels.
struct CursorPoint {
    std::int32_t x;
    std::int32_t y;
};

// What the renderer's one thread knows about the run, from the window's
// creation to its end. The message loop, the window procedure and the
// password step all read and write this one record.
struct SaverState {
    bool drawingEnabled = false;
    // Set by user input and never cleared: a close request from outside is
    // only honoured once the user has touched something.
    bool closeRequested = false;
    // The window's appearance under the cursor delivers a move of its own,
    // which must not end the run.
    bool firstMoveSeen = false;
    bool inPasswordDialog = false;
    // The display is off or dimmed: nobody sees a frame, so none is drawn.
    bool displayDark = false;
    CursorPoint lastCursorPos{0, 0};
    // Largest movement, as abs(dx) + abs(dy), that does not close.
    int mouseMoveThreshold = 4;

    bool wantsFrames() const { return drawingEnabled && !inPasswordDialog && !displayDark; }
};
