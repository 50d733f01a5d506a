#pragma once

#include <cstdint>

#include "password_step.h"
#include "saver_state.h"

// Where the close rules read the cursor. Only a mouse move and a refused
// password read it, and at that moment.
class CursorSource {
  public:
    virtual ~CursorSource() = default;
    virtual CursorPoint cursorPos() = 0;
};

// What the window procedure does with a message after the close rules have
// looked at it. Effects happen in the order of the fields: hide the cursor,
// post a close request, then return result or hand the message to the
// default procedure.
struct CloseReply {
    bool hideCursor = false;
    bool postClose = false;
    bool passToDefault = true;
    std::intptr_t result = 0;
};

// The last layer of the window procedure: closing on the user's first key,
// click, loss of activation or real mouse movement, after the password.
class CloseRules {
  public:
    CloseRules(SaverState& state, CursorSource& cursor, PasswordPort& password)
        : state_(state), cursor_(cursor), password_(password) {}

    CloseReply handle(WindowHandle window, std::uint32_t message, std::uintptr_t wParam);

  private:
    CloseReply handleClose(WindowHandle window);
    CloseReply handleMouseMove();

    SaverState& state_;
    CursorSource& cursor_;
    PasswordPort& password_;
};

// System commands the window swallows so that no other window or saver takes
// the screen. The whole wParam counts: a command with low bits set is not
// one of these.
bool isSwallowedSysCommand(std::uintptr_t wParam);
