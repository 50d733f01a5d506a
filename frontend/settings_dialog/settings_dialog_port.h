#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "path_bytes.h"
#include "profile_port.h"
#include "renderer_settings.h"

// The buttons of the dialog, all of them `Command` controls: the four of the
// music page and the dialog, and Cmd_Page(page), which shows that page and
// lies on the other one.
enum class DialogButton { Cmd_BGM, Cmd_Etc, Cmd_Set, Cmd_Can, Cmd_Page0, Cmd_Page1 };
inline constexpr int kDialogButtonCount = 6;

// The dialog's two pages, each a panel in the place of Pic_C: the music's
// Pic_C(0) as designed, and the painting's Pic_C(1).
enum class DialogPage { kMusic = 0, kPainting = 1 };

// The painting page's lists, in the order the keyboard visits them: the
// preset, one for each setting of the look, and the monitors the painting is
// shown on.
enum class LookList { kPreset, kDrawMode, kAmount, kSize, kSpeed, kTrail, kFlows, kMonitors };
inline constexpr int kLookListCount = 8;

// The two marks that the hidden images Img_Ra(0) and Img_Ra(1) hold.
enum class KindMark { kUnselected = 0, kSelected = 1 };

enum class MousePointer { kDefault, kHourglass };

// A length pair in twips (1/1440 inch), which need not be whole where the
// system's pixels are not a whole number of twips.
struct TwipSize {
    double width = 0;
    double height = 0;
};

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// What the open-file dialog is given; the owner window and the program's
// instance are the platform's to add. Its texts are Shift-JIS bytes, shown
// through the wide functions like every other text.
struct OpenFileRequest {
    // Description and pattern pairs, each NUL-terminated, and one more NUL.
    std::string filter;
    std::string title;
    std::uint32_t fileBufferSize = 0;
    std::uint32_t fileTitleBufferSize = 0;
    std::uint32_t flags = 0;
};

// The open-file dialog's flags: the file and its folder must exist, and no
// read-only box.
inline constexpr std::uint32_t kOpenFileMustExist = 0x1000;  // OFN_FILEMUSTEXIST
inline constexpr std::uint32_t kOpenPathMustExist = 0x800;   // OFN_PATHMUSTEXIST
inline constexpr std::uint32_t kOpenHideReadOnly = 0x4;      // OFN_HIDEREADONLY
// What the open-file dialog reports when the chosen path does not fit its
// buffer.
inline constexpr std::uint32_t kFileBufferTooSmall = 0x3003;  // FNERR_BUFFERTOOSMALL

// DrawAnimatedRects' animation that zooms a window's caption.
inline constexpr std::int32_t kAnimateCaption = 3;  // IDANI_CAPTION
inline constexpr std::int32_t kShowNormal = 1;      // SW_SHOWNORMAL

// The settings dialog's window, its controls and the system calls it makes.
// Texts are Shift-JIS bytes; paths are wide, as the system names its files. A control that cannot
// be reached simply does nothing: the dialog never learns of it.
class SettingsDialogPort {
  public:
    virtual ~SettingsDialogPort() = default;

    // The screen, and the whole window with its border and caption, in twips
    // at the system's resolution.
    virtual TwipSize screenSize() = 0;
    virtual TwipSize windowSize() = 0;
    // Moves the window's top-left corner to a screen position in twips.
    virtual void moveWindow(std::int32_t left, std::int32_t top) = 0;

    // The button's `Initialize` operation, and its `Enabled` property.
    virtual void initializeButton(DialogButton button) = 0;
    virtual void setButtonEnabled(DialogButton button, bool enabled) = 0;

    // Copies the picture of Img_Ra(mark) into Img_BGM(kind), kind 0 to 2.
    virtual void copyMark(KindMark mark, int kind) = 0;

    // The combo box BGM_Repeat: enabled state, text, items.
    virtual void setRepeatEnabled(bool enabled) = 0;
    virtual void setRepeatText(const std::string& text) = 0;
    virtual std::string repeatText() = 0;
    virtual void addRepeatItem(const std::string& item) = 0;

    // The caption of lbl_Fname.
    virtual void setFileCaption(const std::wstring& caption) = 0;

    // Shows one page and hides the other.
    virtual void showPage(DialogPage page) = 0;
    // The painting page's lists: their items (Shift-JIS) with the one chosen,
    // the choice alone, and whether the list can be used.
    virtual void setLookItems(LookList list, const std::vector<std::string>& items, int chosen) = 0;
    virtual void setLookChosen(LookList list, int item) = 0;
    virtual void setLookListEnabled(LookList list, bool enabled) = 0;
    // The painting page's moving picture starts afresh, from black, with
    // these settings.
    virtual void showLook(const RendererSettings& settings) = 0;

    // GetCursorPos: non-zero when it filled the point.
    virtual std::int32_t getCursorPos(ScreenPoint& point) = 0;
    // GetWindowRect of the dialog: false when it failed.
    virtual bool getWindowRect(ScreenRect& rect) = 0;
    virtual void drawAnimatedRects(std::int32_t animation, const ScreenRect& from,
                                   const ScreenRect& to) = 0;
    // The pointer shown over the whole program.
    virtual void setMousePointer(MousePointer pointer) = 0;

    // GetOpenFileNameW owned by the dialog. Returns its result; when that is
    // greater than 0, `file` is the file buffer up to its first NUL.
    virtual std::int32_t getOpenFileName(const OpenFileRequest& request, std::wstring& file) = 0;
    // Why the last open-file dialog returned 0 (CommDlgExtendedError); 0 when
    // the user cancelled.
    virtual std::uint32_t openFileError() = 0;
    // ShellExecuteW owned by the dialog, with no parameters and no working
    // folder; its result is not looked at.
    virtual void shellExecute(const std::string& verb, const std::wstring& file,
                              std::int32_t show) = 0;

    // A message box over the dialog, in its caption the application's title:
    // `text` (Shift-JIS), and below it `path` when there is one. Returns once
    // the user has closed it.
    virtual void showMessage(const std::string& text, const std::wstring& path) = 0;

    // Ends the dialog: its unload handler runs, then the window goes.
    virtual void closeDialog() = 0;

    virtual ProfilePort& profile() = 0;
    // How a chosen path goes into Velmora.ini and comes back for the label.
    virtual PathBytesPort& pathBytes() = 0;
};
