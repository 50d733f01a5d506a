#include "torvi_p.h"

#include <optional>

#include "monitor_setting.h"
#include "program_folder.h"
#include "repeat_track.h"
#include "round_half_even.h"
#include "settings_file.h"
#include "texts.h"

namespace {

constexpr std::int16_t kLastListedTrack = 30;

// The open-file dialog's buffers, each filled with NULs: room for the
// longest path the system has (MAX_PATH).
constexpr std::uint32_t kFileBufferSize = 260;
// What the settings file gives back of a value; a longer path would come back
// cut.
constexpr std::size_t kLongestKeptPath = 255;

// The load sequence and the dialog's other handlers go on past a step that
// fails; nothing is reported. Saving is the exception and runs straight.
template <typename Step>
void ContinueOnError(Step step) {
    try {
        step();
    } catch (...) {
    }
}

bool IsKind(int kind) {
    return kind >= kBgmNone && kind <= kBgmMusicFile;
}

// Half the free room, with the difference rounded to whole twips first and
// the quotient cut toward zero.
std::int32_t Centred(double screen, double window, std::int32_t divisor) {
    return static_cast<std::int32_t>(RoundHalfEven(screen - window)) / divisor;
}

std::int16_t CursorCoordinate(std::int32_t value, std::int16_t kept) {
    return value >= INT16_MIN && value <= INT16_MAX ? static_cast<std::int16_t>(value) : kept;
}

}  // namespace

void Torvi_P::Load() {
    ContinueOnError([&] {
        const TwipSize screen = port_.screenSize();
        const TwipSize window = port_.windowSize();
        port_.moveWindow(Centred(screen.width, window.width, 2),
                         Centred(screen.height, window.height, 3));
    });
    InitButtons();
    ShowKind(state_.settings.BGM_Kind);
    ContinueOnError([&] { port_.setRepeatText(RepeatTrackText(state_.settings.BGM_RepeatTrack)); });
    for (std::int16_t track = 0; track <= kLastListedTrack; ++track) {
        ContinueOnError([&] { port_.addRepeatItem(RepeatTrackText(track)); });
    }
    // A file kept by its short name shows the long name it was chosen by.
    ContinueOnError(
        [&] { port_.setFileCaption(PathNamedBy(port_.pathBytes(), state_.settings.BGM_File)); });
    ContinueOnError([&] {
        state_.painting = ReadPaintingChoice(port_.profile(), SettingsPathIn(state_.programFolder));
    });
    ContinueOnError([&] {
        state_.monitors = ReadMonitorChoice(port_.profile(), SettingsPathIn(state_.programFolder));
    });
    ContinueOnError([&] { painting_.Load(); });
    ContinueOnError([&] { port_.showPage(page_); });
    ContinueOnError([&] {
        ScreenPoint cursor;
        state_.LastApiResult = port_.getCursorPos(cursor);
        if (state_.LastApiResult != 0) {
            SavedCursorX_ = CursorCoordinate(cursor.x, SavedCursorX_);
            SavedCursorY_ = CursorCoordinate(cursor.y, SavedCursorY_);
        } else {
            SavedCursorX_ = 0;
            SavedCursorY_ = 0;
        }
    });
    ContinueOnError([&] { ShowSettingsZoomIn(); });
    ContinueOnError([&] { port_.setMousePointer(MousePointer::kDefault); });
}

void Torvi_P::Resize(GradientSurface& dialog, GradientSurface& panel,
                     GradientSurface& paintingPanel) {
    ContinueOnError([&] { PaintGradient(dialog, GradientTarget::kDialog); });
    ContinueOnError([&] { PaintGradient(panel, GradientTarget::kPanel); });
    ContinueOnError([&] { PaintGradient(paintingPanel, GradientTarget::kPanel); });
}

void Torvi_P::SelectKind(int kind) {
    state_.settings.BGM_Kind = static_cast<std::int16_t>(kind);
    ShowKind(kind);
}

void Torvi_P::Cmd_BGM_Click() {
    OpenFileRequest request;
    request.filter = std::string(texts().musicFileFilterName) + '\0' + "*.MP3;*.WAV" + '\0' + '\0';
    request.title = texts().openFileTitle;
    request.fileBufferSize = kFileBufferSize;
    request.fileTitleBufferSize = kFileBufferSize;
    // A typed name that does not exist would be saved and then dropped at the
    // next start without a word; the chooser says so while it is open.
    request.flags = kOpenFileMustExist | kOpenPathMustExist | kOpenHideReadOnly;
    ContinueOnError([&] {
        std::wstring chosen;
        state_.LastApiResult = port_.getOpenFileName(request, chosen);
        // A path that cannot be kept is no cancel: the user hears why nothing
        // changed, and the old choice stays.
        if (state_.LastApiResult <= 0) {
            if (port_.openFileError() == kFileBufferTooSmall) {
                port_.showMessage(texts().chosenPathTooLong, L"");
            }
            return;
        }
        // A path too long for the settings file may still be kept by its
        // shorter short form.
        const std::optional<std::string> kept =
            PathBytesOf(port_.pathBytes(), chosen, kLongestKeptPath);
        if (!kept) {
            const bool inCodePage = PathBytesOf(port_.pathBytes(), chosen).has_value();
            port_.showMessage(inCodePage ? texts().chosenPathTooLong : texts().chosenPathUnkept,
                              chosen);
            return;
        }
        // The choice leaves the kind alone: this button only works while the
        // file kind is chosen.
        state_.settings.BGM_File = *kept;
        port_.setFileCaption(chosen);
    });
}

void Torvi_P::Cmd_Set_Click() {
    BgmSettings& settings = state_.settings;
    ProfilePort& profile = port_.profile();
    const std::string file = SettingsPathIn(state_.programFolder);
    // Each write's result is kept: a save that did not reach the file must not
    // look like one.
    bool written = true;
    PutIniValue(profile, kSettingsSection, kKeyKind, SettingNumberText(settings.BGM_Kind), file,
                state_.LastApiResult);
    written = written && state_.LastApiResult != 0;
    settings.BGM_RepeatTrack = RepeatTrackFromText(port_.repeatText());
    PutIniValue(profile, kSettingsSection, kKeyRepeatTrack,
                SettingNumberText(settings.BGM_RepeatTrack), file, state_.LastApiResult);
    written = written && state_.LastApiResult != 0;
    // Written whatever the kind, so a file chosen once stays remembered
    // under the other kinds.
    PutIniValue(profile, kSettingsSection, kKeyFile, settings.BGM_File, file, state_.LastApiResult);
    written = written && state_.LastApiResult != 0;
    // The monitors' key follows the music's in their section.
    PutMonitorChoice(profile, state_.monitors, file, state_.LastApiResult);
    written = written && state_.LastApiResult != 0;
    // The painting's section comes after, so the music's keys stay exactly
    // as they always were.
    written = WritePaintingChoice(profile, state_.painting, file, state_.LastApiResult) && written;
    if (!written) {
        // The dialog stays open with the choice in it, to try again.
        port_.showMessage(texts().saveFailed, SettingsPathIn(state_.programFolderPath));
        return;
    }
    port_.closeDialog();
}

void Torvi_P::Cmd_Can_Click() {
    port_.closeDialog();
}

void Torvi_P::Cmd_Etc_Click() {
    ContinueOnError([&] { port_.setMousePointer(MousePointer::kHourglass); });
    ContinueOnError([&] { port_.shellExecute("open", makersPage_, kShowNormal); });
    ContinueOnError([&] { port_.setMousePointer(MousePointer::kDefault); });
}

void Torvi_P::Cmd_Page_Click(DialogPage page) {
    page_ = page;
    port_.showPage(page);
}

void Torvi_P::Unload() {
    ContinueOnError([&] { ShowSettingsZoomOut(); });
}

void Torvi_P::InitButtons() {
    for (const DialogButton button :
         {DialogButton::Cmd_BGM, DialogButton::Cmd_Etc, DialogButton::Cmd_Set,
          DialogButton::Cmd_Can, DialogButton::Cmd_Page0, DialogButton::Cmd_Page1}) {
        ContinueOnError([&] { port_.initializeButton(button); });
    }
}

// The marks and the enabled controls for a kind. A kind outside 0 to 2 (a
// hand-edited settings file) has no mark of its own and enables nothing.
void Torvi_P::ShowKind(int kind) {
    ContinueOnError([&] { port_.setButtonEnabled(DialogButton::Cmd_BGM, false); });
    ContinueOnError([&] { port_.setRepeatEnabled(false); });
    for (int each = kBgmNone; each <= kBgmMusicFile; ++each) {
        ContinueOnError([&] { port_.copyMark(KindMark::kUnselected, each); });
    }
    if (IsKind(kind)) {
        ContinueOnError([&] { port_.copyMark(KindMark::kSelected, kind); });
    }
    if (kind == kBgmCompactDisc) {
        ContinueOnError([&] { port_.setRepeatEnabled(true); });
    }
    if (kind == kBgmMusicFile) {
        ContinueOnError([&] { port_.setButtonEnabled(DialogButton::Cmd_BGM, true); });
    }
}

ScreenRect Torvi_P::CursorRect() const {
    return {SavedCursorX_, SavedCursorY_, SavedCursorX_, SavedCursorY_};
}

void Torvi_P::ShowSettingsZoomIn() {
    ScreenRect window;
    port_.getWindowRect(window);
    port_.drawAnimatedRects(kAnimateCaption, CursorRect(), window);
}

void Torvi_P::ShowSettingsZoomOut() {
    ScreenRect window;
    port_.getWindowRect(window);
    port_.drawAnimatedRects(kAnimateCaption, window, CursorRect());
}
