#pragma once

#include <cstdint>

// Where the dialog's controls lie, in twips (1/1440 inch) as they were
// designed, relative to their container: the dialog's client area or the
// music panel Pic_C(0). The platform turns them into pixels at the system's
// resolution, so the dialog keeps its proportions and grows with it.

namespace dialog_layout {

// A control's place in twips, as designed.
struct Place {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
};

// The same in pixels.
struct PixelPlace {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
};

inline constexpr std::int32_t kClientWidth = 7185;
inline constexpr std::int32_t kClientHeight = 3780;

// On the dialog.
inline constexpr Place Pic_C{180, 240, 6795, 2535};
// The maker's line: our name is longer than the one line of 2475 twips that
// was designed for it, so it may take two lines and reaches up to 240 twips
// before Cmd_Etc, beside which it lies.
inline constexpr Place lbl_7{180, 2940, 2460, 390};
inline constexpr Place Cmd_Etc{2880, 3000, 1875, 375};
inline constexpr Place Cmd_Set{4800, 3000, 1095, 375};
inline constexpr Place Cmd_Can{5940, 3000, 1035, 375};

// On the panel.
inline constexpr Place Shape3{300, 300, 1695, 315};
inline constexpr Place lbl_15{300, 360, 1665, 195};
inline constexpr Place BGM_Repeat{1380, 780, 615, 300};
inline constexpr Place lbl_14{2040, 840, 990, 195};
// Where the audio CD's caption is wider than designed (a language or a face
// other than the designed ones), the repeat list and its caption move right to
// stay this far clear of it.
inline constexpr std::int32_t kRepeatListGap = 60;
inline constexpr Place Cmd_BGM{540, 1740, 435, 315};
inline constexpr Place lbl_Fname{1020, 1740, 5355, 435};
// Img_BGM(kind) and lbl_BGM(kind), by the music kind they stand for: on
// screen the CD row comes first, then "none", then the file row.
inline constexpr Place Img_BGM[3] = {
    {300, 1140, 195, 195}, {300, 840, 195, 195}, {300, 1440, 195, 195}};
inline constexpr Place lbl_BGM[3] = {
    {540, 1140, 345, 195}, {540, 840, 645, 195}, {540, 1440, 900, 195}};

// On either panel, at its top right: Cmd_Page(page), which shows the other
// page; the music panel's Cmd_Page(1) leads to the painting, the painting
// panel's Cmd_Page(0) back to the music.
inline constexpr Place Cmd_Page{5040, 300, 1455, 315};

// On the painting panel Pic_C(1), which lies where Pic_C(0) does: its heading
// framed as the music's is, the lists in two columns with their captions,
// and the moving picture at the right. The preset list spans both columns,
// and so does the monitors list under the three rows of settings.
inline constexpr Place Shape4 = Shape3;
inline constexpr Place lbl_16 = lbl_15;
inline constexpr Place Pic_Look{4200, 750, 2295, 1560};
inline constexpr std::int32_t kLookRowTop = 750;
inline constexpr std::int32_t kLookRowStep = 330;
inline constexpr std::int32_t kLookRowHeight = 300;
// A caption lies as far below its list's top as lbl_14 lies below
// BGM_Repeat's.
inline constexpr std::int32_t kLookCaptionDrop = 60;
inline constexpr std::int32_t kLookCaptionHeight = 195;
struct LookColumn {
    std::int32_t captionLeft;
    std::int32_t captionWidth;
    std::int32_t listLeft;
    std::int32_t listWidth;
};
inline constexpr LookColumn kLookColumns[2] = {{300, 780, 1140, 1140}, {2400, 660, 3120, 960}};
// Look(list) by its LookList number: the preset list in the first row across
// both columns, then the draw mode, amount and size down the first column,
// the speed, trail and flows down the second, and the monitors in the last
// row across both.
struct LookPlace {
    std::int32_t row;
    std::int32_t column;
    bool spansColumns;
};
inline constexpr LookPlace kLookPlaces[8] = {
    {0, 0, true},  {1, 0, false}, {2, 0, false}, {3, 0, false},
    {1, 1, false}, {2, 1, false}, {3, 1, false}, {4, 0, true},
};
// The list Look(list) and its caption lbl_Look(list).
Place LookListPlace(int list);
Place LookCaptionPlace(int list);

// The hidden images Img_Ra(0) and Img_Ra(1) hold 12 x 12 pixel marks, drawn
// for 96 dpi: 180 twips a side, which they keep at every resolution.
inline constexpr std::int32_t kMarkPixels = 12;
inline constexpr std::int32_t kMarkTwips = 180;

// A length in twips at `dpi` dots per inch, rounded to the nearest pixel
// (halves away from zero). At 96 dpi a pixel is 15 twips.
std::int32_t Pixels(std::int32_t twips, std::int32_t dpi);
PixelPlace Pixels(const Place& place, std::int32_t dpi);

// The character height in pixels of a font of `points` at `dpi`, rounded as
// above.
std::int32_t FontPixelHeight(double points, std::int32_t dpi);

}  // namespace dialog_layout
