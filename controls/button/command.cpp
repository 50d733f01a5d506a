#include "command.h"

Command::Command(CommandPort& port, FaceCanvas& canvas) : port_(port), painter_(canvas) {
    LblMsg.font = DialogFont();
}

void Command::Initialize() {
    ButtonMode = 1;
    port_.startMouseTimer(kMouseInterval);
}

void Command::MouseMove(int, int, float, float) {
    if (!enabled_) {
        return;
    }
    if (ButtonMode == 1) {
        ButtonMode = 2;
        DrawFace(FacePicture::HighLight);
    }
    // Moving back in with the left button still down does not bring the
    // hover back: a press that left for a tick gives no Click.
    if (ButtonMode == 3 && !LeftButtonDown) {
        ButtonMode = 4;
        DrawFace(FacePicture::HighLightSelect);
    }
}

void Command::MouseDown(int button, int, float, float) {
    if (!enabled_) {
        return;
    }
    pressedHere_ |= button;
    if (button != kLeftButton) {
        return;
    }
    // A press lies on the control, so the cursor is over it, whatever the
    // mode says: after a focus change under a resting cursor (Tab passing
    // the button, a message box gone) the mode may say it is not, and the
    // release would click nothing.
    if (ButtonMode == 1) {
        ButtonMode = 2;
    } else if (ButtonMode == 3) {
        ButtonMode = 4;
    }
    LeftButtonDown = true;
    DrawFace(FacePicture::Pressed);
}

bool Command::TakesFocusOnPress(int button) const {
    return enabled_ && button == kLeftButton;
}

void Command::MouseUp(int button, int, float x, float y) {
    Release(button, Contains(x, y));
}

void Command::Release(int button, bool overControl) {
    if (!enabled_) {
        return;
    }
    if (button == kLeftButton) {
        LeftButtonDown = false;
        if (ButtonMode == 2) {
            DrawFace(FacePicture::Normal);
        }
        if (ButtonMode == 4) {
            DrawFace(FacePicture::HighLightSelect);
        }
    }
    const bool pressedHere = (pressedHere_ & button) != 0;
    pressedHere_ &= ~button;
    // Any button, and any mode but "focused with the cursor gone", clicks,
    // once the press was this control's and the release lies on it.
    if (ButtonMode != 3 && enabled_ && pressedHere && overControl) {
        port_.raiseClick();
    }
}

bool Command::Contains(float x, float y) const {
    return x >= 0 && y >= 0 && x < painter_.widthInTwips() && y < painter_.heightInTwips();
}

void Command::CaptureLost() {
    pressedHere_ = 0;
}

void Command::KeyDown(int key) {
    if (!enabled_) {
        return;
    }
    if (key == kKeySpace && !spaceDown_) {
        spaceDown_ = true;
        DrawFace(FacePicture::Pressed);
    } else if (key == kKeyReturn) {
        port_.raiseClick();
    }
}

void Command::KeyUp(int key) {
    if (!enabled_ || key != kKeySpace || !spaceDown_) {
        return;
    }
    spaceDown_ = false;
    DrawFace(ButtonMode == 4 ? FacePicture::HighLightSelect : FacePicture::Selected);
    port_.raiseClick();
}

void Command::LblMsg_MouseDown(int button, int shift, float x, float y) {
    MouseDown(button, shift, x, y);
}

void Command::LblMsg_MouseMove(int button, int shift, float x, float y) {
    MouseMove(button, shift, x, y);
}

// The label lies on the control, so a release on it is a release on the
// control; its coordinates are the label's own.
void Command::LblMsg_MouseUp(int button, int, float x, float y) {
    Release(button, Contains(x + LblMsg.left, y + LblMsg.top));
}

void Command::GotFocus() {
    if (!enabled_) {
        return;
    }
    if (ButtonMode != 2) {
        ButtonMode = 3;
        DrawFace(FacePicture::Selected);
    }
    if (ButtonMode == 2) {
        ButtonMode = 4;
        DrawFace(FacePicture::Pressed);
    }
}

void Command::LostFocus() {
    if (!enabled_) {
        return;
    }
    spaceDown_ = false;
    // The focus goes, the hover stays: the cursor still rests on the button.
    if (ButtonMode == 4) {
        ButtonMode = 2;
        DrawFace(FacePicture::HighLight);
    } else if (ButtonMode != 1 && ButtonMode != 2) {
        ButtonMode = 1;
        DrawFace(FacePicture::Normal);
    }
}

void Command::TmrMouse_Timer() {
    // The caption label is drawn in the control's own window, so only
    // another window under the cursor (the host, a sibling, another
    // program's window lying over the control) means the cursor has left.
    const std::uintptr_t under = port_.windowUnderCursor();
    const std::uintptr_t host = port_.hostWindow();
    if (under == host) {
        LeaveHover();
    } else if (under != port_.ownWindow()) {
        LeaveHover();
    }
}

void Command::Resize() {
    ApplyEnabled();
}

void Command::LeaveHover() {
    if (!enabled_) {
        return;
    }
    if (ButtonMode == 2) {
        ButtonMode = 1;
        DrawFace(FacePicture::Normal);
    } else if (ButtonMode == 4) {
        ButtonMode = 3;
        DrawFace(FacePicture::Selected);
    }
}

void Command::ApplyEnabled() {
    if (enabled_) {
        DrawFace(FacePicture::Normal);
        setLabelEnabled(true);
    } else {
        DrawFace(FacePicture::Disable);
        setLabelEnabled(false);
    }
}

void Command::RefreshFace() {
    if (!enabled_) {
        return;
    }
    // None of these steps can fail here (DrawFace skips its own failing
    // steps), so the recovery to a black caption never has to happen.
    setLabelEnabled(true);
    if (FirstRun == 0) {
        LblMsg.colour = 0;
        port_.labelChanged();
    }
    DrawFace(FacePicture::Normal);
}

void Command::DrawFace(FacePicture picture) {
    const CaptionLabel before = LblMsg;
    painter_.DrawFace(picture, ButtonMode, LblMsg);
    if (before.top != LblMsg.top || before.left != LblMsg.left || before.width != LblMsg.width) {
        port_.labelChanged();
    }
}

void Command::setLabelEnabled(bool enabled) {
    if (LblMsg.enabled != enabled) {
        LblMsg.enabled = enabled;
        port_.labelChanged();
    }
}
