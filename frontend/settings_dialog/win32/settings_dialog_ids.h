#pragma once

// The child windows of the settings dialog by control id, as the dialog
// makes them and tools that look into it find them. Img_BGM and lbl_BGM are
// indexed by the music kind they stand for.
namespace settings_dialog_ids {

inline constexpr int Pic_C = 100;
inline constexpr int BGM_Repeat = 101;
inline constexpr int lbl_Fname = 102;
inline constexpr int lbl_15 = 103;
inline constexpr int lbl_14 = 104;
inline constexpr int lbl_7 = 105;
inline constexpr int Img_BGM = 110;  // + kind
inline constexpr int lbl_BGM = 120;  // + kind
inline constexpr int Cmd_BGM = 130;
inline constexpr int Cmd_Etc = 131;
inline constexpr int Cmd_Set = 132;
inline constexpr int Cmd_Can = 133;
inline constexpr int Cmd_Page = 134;  // + the page it shows
// The painting page.
inline constexpr int Pic_C_Painting = 140;  // Pic_C(1)
inline constexpr int lbl_16 = 141;
inline constexpr int Pic_Look = 142;
inline constexpr int Look = 150;      // + LookList
inline constexpr int lbl_Look = 160;  // + LookList

}  // namespace settings_dialog_ids
