#include "close_rules.h"

#include <cstdlib>

#include "window_messages.h"

namespace {

CloseReply returnValue(std::intptr_t result) {
    CloseReply reply;
    reply.passToDefault = false;
    reply.result = result;
    return reply;
}

std::int64_t distance(CursorPoint a, CursorPoint b) {
    return std::llabs(static_cast<std::int64_t>(a.x) - b.x) +
           std::llabs(static_cast<std::int64_t>(a.y) - b.y);
}

}  // namespace

CloseReply CloseRules::handle(WindowHandle window, std::uint32_t message, std::uintptr_t wParam) {
    if (message == kWmClose) {
        return handleClose(window);
    }
    CloseReply reply;
    if (state_.inPasswordDialog) {
        return reply;
    }
    switch (message) {
        case kWmShowWindow:
            reply.hideCursor = wParam != 0;
            break;
        case kWmActivateApp:
            if (wParam == 0) {
                state_.closeRequested = true;
                reply.postClose = true;
            }
            break;
        case kWmKeyDown:
        case kWmSysKeyDown:
        case kWmLButtonDown:
        case kWmRButtonDown:
        case kWmMButtonDown:
            state_.closeRequested = true;
            reply.postClose = true;
            break;
        case kWmSetCursor:
            reply = returnValue(1);
            reply.hideCursor = true;
            break;
        case kWmMouseMove:
            reply = handleMouseMove();
            break;
        default:
            break;
    }
    return reply;
}

CloseReply CloseRules::handleClose(WindowHandle window) {
    // A close request while the password dialog is open (one queued before it
    // opened, or one from outside) would otherwise open a second dialog over
    // the first, or destroy the window under it.
    if (!state_.closeRequested || state_.inPasswordDialog) {
        return returnValue(0);
    }
    if (!verifyPassword(password_, window, state_)) {
        // Movement is measured afresh from where the cursor was left.
        state_.lastCursorPos = cursor_.cursorPos();
        return returnValue(0);
    }
    return CloseReply{};
}

CloseReply CloseRules::handleMouseMove() {
    if (!state_.firstMoveSeen) {
        state_.firstMoveSeen = true;
    } else {
        state_.closeRequested = true;
    }
    // The message's own coordinates are client-relative; the reference is in
    // screen pixels, so the cursor is read afresh.
    const CursorPoint now = cursor_.cursorPos();
    CloseReply reply;
    if (distance(state_.lastCursorPos, now) > state_.mouseMoveThreshold) {
        reply.postClose = true;
    } else {
        state_.lastCursorPos = now;
    }
    return reply;
}

bool isSwallowedSysCommand(std::uintptr_t wParam) {
    return wParam == kScNextWindow || wParam == kScPrevWindow || wParam == kScScreenSave;
}
