#pragma once

#include <cstdint>
#include <string>

#include "caption_label.h"
#include "command_port.h"
#include "face_canvas.h"
#include "face_painter.h"
#include "property_bag.h"

// Mouse buttons and shift state as the mouse handlers take them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Keys the focused control answers to, by their virtual-key numbers.
inline constexpr int kKeyReturn = 0x0D;
inline constexpr int kKeySpace = 0x20;

// The owner-drawn push button `Command` (class Torvi.Command): its properties,
// its persisted property set, the hover and focus state machine with its one
// event Click, and the routines that choose which face is drawn.
//
// ButtonMode: 0 not initialised, 1 normal, 2 hovered, 3 focused, 4 focused
// and hovered. The mouse handlers, the focus handlers, the keys and
// LeaveHover do nothing at all while the control is disabled.
//
// A Click takes the press and the release of the same mouse button on this
// control, as every push button's does: a release that comes without its
// press (a drag from elsewhere, the end of a double-click in a window that
// has just closed) or away from the control clicks nothing. On top of that
// the mode rules decide; nothing clicks in mode 3, which a left press leaves
// for mode 4 (the press shows the cursor is on the control), so a press and
// release without leaving always click. Space (Pressed while held) and Return
// click the focused control too.
class Command {
  public:
    static constexpr std::uint32_t kMouseInterval = 100;  // TmrMouse, milliseconds

    // A new control has every field zero: mode 0, disabled, FirstRun 0.
    Command(CommandPort& port, FaceCanvas& canvas);

    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // Properties. Setters report the change to the host under the stored key.
    const std::string& Caption() const { return LblMsg.text; }
    void setCaption(const std::string& New_Caption);
    const ButtonFont& Font() const { return LblMsg.font; }
    void setFont(const ButtonFont& New_Font);
    std::uint32_t FontColour();
    void setFontColour(std::uint32_t New_FontColour);
    bool Enabled();
    void setEnabled(bool New_Enabled);
    std::uint8_t Visible();
    void setVisible(std::uint8_t New_Visible);

    // Mode 1 and the mouse timer on; draws nothing.
    void Initialize();

    // The persisted property set, in and out; both end with RefreshFace.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);

    // Handlers. Buttons and shift state are bit sets (kLeftButton...);
    // coordinates are in twips.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    // The caption label's mouse events, passed on unchanged.
    void LblMsg_MouseDown(int button, int shift, float x, float y);
    void LblMsg_MouseMove(int button, int shift, float x, float y);
    void LblMsg_MouseUp(int button, int shift, float x, float y);
    // The release no longer comes here (another window took the mouse):
    // the presses seen so far are forgotten.
    void CaptureLost();
    // Keys while the control has the focus; a held key repeats KeyDown.
    void KeyDown(int key);
    void KeyUp(int key);
    void GotFocus();
    void LostFocus();
    // Whether a press of this mouse button moves the keyboard here: a
    // disabled button leaves it where it is.
    bool TakesFocusOnPress(int button) const;
    void TmrMouse_Timer();
    void Resize();

    // What the window shows and the tests look at.
    const CaptionLabel& label() const { return LblMsg; }
    bool opaque() const { return opaque_; }
    std::uint8_t buttonMode() const { return ButtonMode; }
    bool leftButtonDown() const { return LeftButtonDown; }
    std::uint8_t firstRun() const { return FirstRun; }
    const FacePainter& painter() const { return painter_; }

  private:
    void Release(int button, bool overControl);
    bool Contains(float x, float y) const;
    void LeaveHover();
    void ApplyEnabled();
    void RefreshFace();
    void DrawFace(FacePicture picture);
    void setLabelEnabled(bool enabled);

    CommandPort& port_;
    FacePainter painter_;
    CaptionLabel LblMsg;
    bool opaque_ = true;  // the background style

    // The control's own state; the gradient and the spans live in painter_.
    std::uint8_t FirstRun = 0;
    bool enabled_ = false;
    std::uint8_t ButtonMode = 0;
    bool LeftButtonDown = false;
    int pressedHere_ = 0;  // the buttons whose press this control saw
    bool spaceDown_ = false;
};
