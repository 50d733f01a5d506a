#include "settings_dialog_form.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "button_font.h"
#include "command_window.h"
#include "dialog_controls.h"
#include "look_picture.h"
#include "maker.h"
#include "maker_info.h"
#include "property_sets_resource.h"
#include "resource_ids.h"
#include "scaled_picture.h"
#include "settings_dialog_ids.h"
#include "shift_jis_text.h"

namespace {

namespace ids = settings_dialog_ids;
namespace layout = dialog_layout;

constexpr wchar_t kPanelClass[] = L"Torvi_P.Pic_C";

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The combo box's list shows this many items before it scrolls.
constexpr int kVisibleItems = 10;

enum class Container { kDialog, kMusicPanel, kPaintingPanel };

struct DialogButtonPlace {
    DialogButton which;
    const char* name;  // of its stored property set
    int id;
    layout::Place place;
    Container container;
    const char* ScreenTexts::*caption;
};

// In the order the keyboard visits them after the panels' other controls.
constexpr DialogButtonPlace kButtons[] = {
    {DialogButton::Cmd_BGM, "Cmd_BGM", ids::Cmd_BGM, layout::Cmd_BGM, Container::kMusicPanel,
     &ScreenTexts::captionChooseFile},
    {DialogButton::Cmd_Page1, "Cmd_Page1", ids::Cmd_Page + 1, layout::Cmd_Page,
     Container::kMusicPanel, &ScreenTexts::captionToPainting},
    {DialogButton::Cmd_Page0, "Cmd_Page0", ids::Cmd_Page + 0, layout::Cmd_Page,
     Container::kPaintingPanel, &ScreenTexts::captionToMusic},
    {DialogButton::Cmd_Etc, "Cmd_Etc", ids::Cmd_Etc, layout::Cmd_Etc, Container::kDialog,
     &ScreenTexts::captionOtherWorks},
    {DialogButton::Cmd_Set, "Cmd_Set", ids::Cmd_Set, layout::Cmd_Set, Container::kDialog,
     &ScreenTexts::captionSet},
    {DialogButton::Cmd_Can, "Cmd_Can", ids::Cmd_Can, layout::Cmd_Can, Container::kDialog,
     &ScreenTexts::captionCancel},
};

// The captions of the painting page's lists, by LookList.
constexpr const char* ScreenTexts::*kLookCaptions[kLookListCount] = {
    &ScreenTexts::captionPreset, &ScreenTexts::captionDrawMode, &ScreenTexts::captionAmount,
    &ScreenTexts::captionSize,   &ScreenTexts::captionSpeed,    &ScreenTexts::captionTrail,
    &ScreenTexts::captionFlows,  &ScreenTexts::captionMonitors,
};

// The panel Pic_C shows its picture and passes what happens on it to the
// dialog.
LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCDESTROY:
            DialogBackground::Detach(window);
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintContainer(window);
            return 0;
        case WM_COMMAND:
            // The dialog handles what happens on the panel.
            return SendMessageW(GetParent(window), message, wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            // The combo box is white.
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, kWhite);
            SetTextColor(dc, kBlack);
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The captions' font, the one the buttons are given too.
HFONT CreateCaptionFont(const ButtonFont& font, int height) {
    return CreateFontW(-height, 0, 0, 0, font.weight, font.italic, font.underline,
                       font.strikethrough, static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       WideFromShiftJis(font.name.c_str()).c_str());
}

// A 24-bit picture, top row first, of the image's pixels.
BITMAPINFO PictureInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

RgbImage ImageOf(HBITMAP bitmap) {
    BITMAP size{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof size, &size) == 0) {
        return RgbImage();
    }
    BITMAPINFO info = PictureInfo(size.bmWidth, size.bmHeight);
    const int stride = (size.bmWidth * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * size.bmHeight);
    const HDC screen = GetDC(nullptr);
    const int read =
        GetDIBits(screen, bitmap, 0, size.bmHeight, rows.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (read != size.bmHeight) {
        return RgbImage();
    }
    RgbImage image(size.bmWidth, size.bmHeight);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* bgr = &rows[static_cast<std::size_t>(y * stride + x * 3)];
            std::uint8_t* rgb = image.pixel(x, y);
            rgb[0] = bgr[2];
            rgb[1] = bgr[1];
            rgb[2] = bgr[0];
        }
    }
    return image;
}

HBITMAP BitmapOf(const RgbImage& image) {
    BITMAPINFO info = PictureInfo(image.width, image.height);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return nullptr;
    }
    const int stride = (image.width * 3 + 3) / 4 * 4;
    auto* rows = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* rgb = image.pixel(x, y);
            std::uint8_t* bgr = &rows[static_cast<std::size_t>(y * stride + x * 3)];
            bgr[0] = rgb[2];
            bgr[1] = rgb[1];
            bgr[2] = rgb[0];
        }
    }
    return bitmap;
}

// A mark at the size its image has at this resolution: the picture drawn for
// 96 dpi, smoothly scaled.
HBITMAP LoadMark(HINSTANCE instance, int id, int dpi) {
    const auto designed = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    const int size = layout::Pixels(layout::kMarkTwips, dpi);
    const RgbImage picture = ImageOf(designed);
    if (picture.width == 0 || (picture.width == size && picture.height == size)) {
        return designed;
    }
    const HBITMAP scaled = BitmapOf(ScaledPicture(picture, size, size));
    if (scaled == nullptr) {
        return designed;
    }
    DeleteObject(designed);
    return scaled;
}

// A label at its designed place. A one-line caption that the system's font
// draws wider than designed grows to the right, over nothing but the
// container, instead of losing its last letters; a wrapped one keeps the
// number of lines it was designed for, however high the font's lines are, and
// grows down where its caption needs more.
HWND Label(DialogForm& form, HWND container, int id, const layout::Place& place,
           const char* caption, COLORREF colour, LabelLines lines = LabelLines::kOne,
           LabelAlignment alignment = LabelAlignment::kLeft, int shiftRight = 0) {
    const std::wstring text = WideFromShiftJis(caption);
    RECT placement = form.pixels(place);
    OffsetRect(&placement, shiftRight, 0);
    if (lines == LabelLines::kOne) {
        const int width = CaptionWidth(text, form.font);
        if (width > placement.right - placement.left) {
            placement.right = placement.left + width;
        }
    } else {
        // Counted in twips, where a line of the font is its size in points
        // times 20, so that rounding to pixels cannot lose a line.
        const int designedLines =
            std::max(1, static_cast<int>(std::lround(place.height / (DialogFont().size * 20))));
        // A text that the font breaks into more lines than designed (a
        // wider face, a longer language) keeps them all.
        const int height =
            std::max(designedLines * LineHeight(form.font),
                     WrappedHeight(text, form.font, placement.right - placement.left));
        if (height > placement.bottom - placement.top) {
            placement.bottom = placement.top + height;
        }
    }
    return CreateDialogLabel(container, id, placement, text, form.font, colour, alignment, lines);
}

// A combo box at `place` on `container`, its selection field as high as
// designed: BGM_Repeat, which also takes typed text, and the painting
// page's lists, which only choose.
HWND CreateComboBox(DialogForm& form, HWND container, int id, const RECT& place, DWORD kind) {
    const int fieldHeight = place.bottom - place.top;
    const HWND combo =
        CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | kind,
                        place.left, place.top, place.right - place.left, fieldHeight, container,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), form.instance, nullptr);
    if (combo == nullptr) {
        return nullptr;
    }
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(form.font), FALSE);
    // The height given to a drop-down combo box includes its list.
    const LRESULT listItem = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
    const int listHeight = static_cast<int>(listItem > 0 ? listItem : fieldHeight) * kVisibleItems;
    SetWindowPos(combo, nullptr, 0, 0, place.right - place.left, fieldHeight + listHeight + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The selection field follows its item height and the font's; bring it
    // to the designed height, a step or two at most (systems differ in what
    // they add to the item height).
    LRESULT request = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 3 && request > 0; ++attempt) {
        RECT shown;
        GetWindowRect(combo, &shown);
        const int difference = fieldHeight - (shown.bottom - shown.top);
        if (difference == 0 || request + difference <= 0) {
            break;
        }
        request += difference;
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
    }
    return combo;
}

HWND CreateRepeatBox(DialogForm& form, int shiftRight) {
    RECT place = form.pixels(layout::BGM_Repeat);
    OffsetRect(&place, shiftRight, 0);
    return CreateComboBox(form, form.panel, ids::BGM_Repeat, place, CBS_DROPDOWN | CBS_AUTOHSCROLL);
}

// The painting page on its panel: the heading in its frame, each list with
// its caption, and the moving picture.
void CreatePaintingPage(DialogForm& form, const ScreenTexts& texts) {
    const HWND panel = form.paintingPanel;
    form.paintingBackground->addOutline(form.pixels(layout::Shape4), kBlack);
    Label(form, panel, ids::lbl_16, layout::lbl_16, texts.paintingHeading, kBlack, LabelLines::kOne,
          LabelAlignment::kCentre);
    for (int list = 0; list < kLookListCount; ++list) {
        Label(form, panel, ids::lbl_Look + list, layout::LookCaptionPlace(list),
              texts.*kLookCaptions[list], kBlack);
        form.windows.looks[static_cast<std::size_t>(list)] =
            CreateComboBox(form, panel, ids::Look + list, form.pixels(layout::LookListPlace(list)),
                           CBS_DROPDOWNLIST);
    }
    form.windows.lookPicture =
        CreateLookPicture(panel, ids::Pic_Look, form.pixels(layout::Pic_Look));
}

}  // namespace

bool RegisterFormClasses(HINSTANCE instance) {
    WNDCLASSW existing;
    bool ready = GetClassInfoW(instance, kPanelClass, &existing) != FALSE;
    if (!ready) {
        WNDCLASSW panel{};
        panel.lpfnWndProc = PanelProc;
        panel.hInstance = instance;
        panel.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        panel.lpszClassName = kPanelClass;
        ready = RegisterClassW(&panel) != 0;
    }
    return RegisterDialogControlClasses(instance) && RegisterLookPictureClass(instance) &&
           RegisterCommandClass(instance) && ready;
}

DialogForm::~DialogForm() {
    if (font != nullptr) {
        DeleteObject(font);
    }
    for (HBITMAP mark : windows.marks) {
        if (mark != nullptr) {
            DeleteObject(mark);
        }
    }
}

RECT DialogForm::pixels(const dialog_layout::Place& place) const {
    const dialog_layout::PixelPlace p = dialog_layout::Pixels(place, dpi);
    return {p.left, p.top, p.left + p.width, p.top + p.height};
}

void CreateDialogForm(HINSTANCE instance, HWND dialog, int dpi, const ScreenTexts& texts,
                      const ButtonFont& font, DialogForm& form) {
    form.instance = instance;
    form.dpi = dpi;
    form.windows.dialog = dialog;
    form.font = CreateCaptionFont(font, layout::FontPixelHeight(font.size, dpi));
    form.windows.marks = {LoadMark(instance, IDB_MARK_UNSELECTED, dpi),
                          LoadMark(instance, IDB_MARK_SELECTED, dpi)};
    const HWND window = dialog;
    const RECT panelPlace = form.pixels(layout::Pic_C);
    // The keyboard moves into the panel's controls too.
    form.panel = CreateWindowExW(
        WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
        panelPlace.left, panelPlace.top, panelPlace.right - panelPlace.left,
        panelPlace.bottom - panelPlace.top, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::Pic_C)), form.instance, nullptr);
    // The painting's panel lies in the same place, hidden until its page is
    // shown.
    form.paintingPanel = CreateWindowExW(
        WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_CLIPCHILDREN, panelPlace.left,
        panelPlace.top, panelPlace.right - panelPlace.left, panelPlace.bottom - panelPlace.top,
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::Pic_C_Painting)), form.instance,
        nullptr);
    form.windows.panels = {form.panel, form.paintingPanel};
    form.dialogBackground = std::make_unique<DialogBackground>(window);
    form.dialogBackground->attach();
    form.panelBackground = std::make_unique<DialogBackground>(form.panel);
    form.panelBackground->attach();
    form.panelBackground->addOutline(form.pixels(layout::Shape3), kBlack);
    form.paintingBackground = std::make_unique<DialogBackground>(form.paintingPanel);
    form.paintingBackground->attach();

    const HWND panel = form.panel;
    Label(form, panel, ids::lbl_15, layout::lbl_15, texts.musicHeading, kBlack, LabelLines::kOne,
          LabelAlignment::kCentre);
    const char* const kindCaptions[3] = {texts.captionNone, texts.captionCompactDisc,
                                         texts.captionMusicFile};
    for (int kind = 0; kind < 3; ++kind) {
        form.windows.kindImages[static_cast<std::size_t>(kind)] =
            CreateDialogImage(panel, ids::Img_BGM + kind, form.pixels(layout::Img_BGM[kind]));
        Label(form, panel, ids::lbl_BGM + kind, layout::lbl_BGM[kind], kindCaptions[kind], kBlack);
    }
    // The audio CD's caption never runs under the repeat list beside it.
    int repeatShift = 0;
    RECT compactDisc;
    const HWND compactDiscLabel = GetDlgItem(panel, ids::lbl_BGM + 1);
    if (compactDiscLabel != nullptr && GetWindowRect(compactDiscLabel, &compactDisc)) {
        MapWindowPoints(HWND_DESKTOP, panel, reinterpret_cast<POINT*>(&compactDisc), 2);
        const int clearFrom = compactDisc.right + layout::Pixels(layout::kRepeatListGap, form.dpi);
        repeatShift =
            std::max(0, clearFrom - static_cast<int>(form.pixels(layout::BGM_Repeat).left));
    }
    form.windows.repeat = CreateRepeatBox(form, repeatShift);
    Label(form, panel, ids::lbl_14, layout::lbl_14, texts.captionRepeat, kBlack, LabelLines::kOne,
          LabelAlignment::kLeft, repeatShift);
    form.windows.fileLabel =
        Label(form, panel, ids::lbl_Fname, layout::lbl_Fname, "", kBlack, LabelLines::kWrapped);

    CreatePaintingPage(form, texts);

    const std::string designedBy = DesignedByText(texts.makerLine, kMakerName, kVelmoraVersion);
    Label(form, window, ids::lbl_7, layout::lbl_7, designedBy.c_str(), kWhite,
          LabelLines::kWrapped);

    // The buttons, each from its stored property set, in the order the
    // keyboard visits them after the combo box. The stored sets hold the
    // Japanese captions in the designed face; the language and the faces
    // that this system has decide over them.
    const PropertySetsReading stored = LoadPropertySets(form.instance, IDR_DIALOG_BUTTONS);
    for (const DialogButtonPlace& button : kButtons) {
        const HWND container = button.container == Container::kDialog       ? window
                               : button.container == Container::kMusicPanel ? panel
                                                                            : form.paintingPanel;
        const HWND made = CreateCommand(container, button.id, form.pixels(button.place),
                                        FindPropertySet(stored.sets, button.name));
        form.windows.buttons[static_cast<std::size_t>(button.which)] = made;
        if (Command* command = CommandOf(made)) {
            if (command->Caption() != texts.*button.caption) {
                command->setCaption(texts.*button.caption);
            }
            if (command->Font() != font) {
                command->setFont(font);
            }
        }
    }
}
