#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "front_end_state.h"
#include "gradient.h"
#include "painting_page.h"
#include "screen_texts.h"
#include "settings_dialog_port.h"

// The settings dialog Torvi_P (caption "<Velmora>"), in which the user
// chooses the background music: none, an audio CD with a track to repeat, or
// an MP3 or WAV file; and, on its second page, the painting's look (see
// PaintingPage). Choices change the front-end's settings at once; only Set
// writes them to Velmora.ini, the music's and the painting's together. The dialog zooms out of the
// cursor's position when it opens and back into that same position when it closes.
class Torvi_P {
  public:
    // state must outlive the dialog; its language chooses the texts.
    // makersPage is what Cmd_Etc opens (see MakersPageAddress).
    Torvi_P(SettingsDialogPort& port, FrontEndState& state, std::wstring makersPage)
        : port_(port),
          state_(state),
          makersPage_(std::move(makersPage)),
          painting_(port, state.painting, state.monitors, ScreenTextsIn(state.language)) {}

    Torvi_P(const Torvi_P&) = delete;
    Torvi_P& operator=(const Torvi_P&) = delete;

    // The window exists, hidden: centre it, set the controls from the
    // settings (the painting's read from Velmora.ini) and zoom in, showing
    // the music page.
    void Load();
    // Also once when the window is first shown: shade the dialog, then the
    // music panel, then the painting's.
    void Resize(GradientSurface& dialog, GradientSurface& panel, GradientSurface& paintingPanel);

    // A press of any mouse button on Img_BGM(kind) or lbl_BGM(kind).
    void SelectKind(int kind);

    void Cmd_BGM_Click();  // choose the music file
    void Cmd_Set_Click();  // save and close; a save that fails says so and stays open
    void Cmd_Can_Click();  // close without saving
    void Cmd_Etc_Click();  // open the maker's page
    void Cmd_Page_Click(DialogPage page);  // show that page

    // An item chosen in one of the painting page's lists.
    void LookListChosen(LookList list, int item) { painting_.ListChosen(list, item); }

    DialogPage page() const { return page_; }
    const PaintingPage& paintingPage() const { return painting_; }

    // After Set, Cancel or the close box, before the window goes.
    void Unload();

    std::int16_t SavedCursorX() const { return SavedCursorX_; }
    std::int16_t SavedCursorY() const { return SavedCursorY_; }

  private:
    void InitButtons();
    void ShowKind(int kind);
    void ShowSettingsZoomIn();
    void ShowSettingsZoomOut();
    ScreenRect CursorRect() const;
    const ScreenTexts& texts() const { return ScreenTextsIn(state_.language); }

    SettingsDialogPort& port_;
    FrontEndState& state_;
    std::wstring makersPage_;
    std::int16_t SavedCursorX_ = 0;
    std::int16_t SavedCursorY_ = 0;
    PaintingPage painting_;
    DialogPage page_ = DialogPage::kMusic;
};
