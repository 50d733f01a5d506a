#pragma once

// The Japanese texts of the front-end, as the Shift-JIS (code page 932) bytes
// that files, keys and the "A" functions carry, whatever the system's ANSI
// code page is. Each literal is split where a hex escape would otherwise
// swallow the next character. The readable text stands beside each one; a
// unit test decodes every entry of kJapaneseTexts and compares the two, so a
// text added here belongs in that list too.

// Keys of the settings file.
inline constexpr char kKeyKind[] = "BGM\x8b\xe6\x95\xaa";             // BGM区分
inline constexpr char kKeyRepeatTrack[] = "BGM\xd8\xcb\xdf\xb0\xc4";  // BGMﾘﾋﾟｰﾄ
inline constexpr char kKeyFile[] = "BGM\xcc\xa7\xb2\xd9";             // BGMﾌｧｲﾙ
// Which monitors the saver paints, in the same section.
inline constexpr char kKeyMonitors[] = "\xd3\xc6\xc0\xb0\x8b\xe6\x95\xaa";  // ﾓﾆﾀｰ区分

// Shown when the renderer is not beside Velmora.scr.
// Velmora.dll が Velmora.scr と同じﾌｫﾙﾀﾞに見つかりません！
inline constexpr char kMissingRenderer[] =
    "Velmora.dll \x82\xaa Velmora.scr \x82\xc6\x93\xaf\x82\xb6\xcc\xab\xd9\xc0\xde\x82\xc9"
    "\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x49";

// Returned as text by the music module's command sender, never shown.
// コマンド文字列が指定されていません
inline constexpr char kNoCommand[] =
    "\x83\x52\x83\x7d\x83\x93\x83\x68\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\x77\x92\xe8"
    "\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1";
// Error (文字列が取れません)
inline constexpr char kNoErrorText[] =
    "Error (\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\xe6\x82\xea\x82\xdc\x82\xb9\x82\xf1)";

// The settings dialog: its captions, and the open-file dialog's filter
// description and title. The captions' font is the button control's
// (DialogFont).
inline constexpr char kCaptionCompactDisc[] =
    "\x89\xb9\x8a\x79"
    "CD";  // 音楽CD
inline constexpr char kCaptionRepeat[] =
    "\x8b\xc8\x96\xda\x82\xf0\xd8\xcb\xdf\xb0\xc4";            // 曲目をﾘﾋﾟｰﾄ
inline constexpr char kCaptionNone[] = "\x96\xb3\x82\xb5";     // 無し
inline constexpr char kCaptionMusicFile[] = "MP3\x81\x41WAV";  // MP3、WAV
inline constexpr char kCaptionOtherWorks[] =
    "\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x8d\xec\x95\x69";           // その他の作品
inline constexpr char kCaptionSet[] = "\x90\xdd\x92\xe8";         // 設定
inline constexpr char kCaptionCancel[] = "\xb7\xac\xdd\xbe\xd9";  // ｷｬﾝｾﾙ
inline constexpr char kMusicFileFilterName[] =
    "BGM\xcc\xa7\xb2\xd9 (MP3 WAV)";  // BGMﾌｧｲﾙ (MP3 WAV)
inline constexpr char kOpenFileTitle[] = "\xcc\xa7\xb2\xd9\x82\xf0\x8a\x4a\x82\xad";  // ﾌｧｲﾙを開く

// The settings dialog's messages; the platform shows the path concerned
// below the first.
// 設定を保存できませんでした。次のﾌｧｲﾙに書き込めません：
inline constexpr char kSaveFailed[] =
    "\x90\xdd\x92\xe8\x82\xf0\x95\xdb\x91\xb6\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1"
    "\x82\xc5\x82\xb5\x82\xbd\x81\x42\x8e\x9f\x82\xcc\xcc\xa7\xb2\xd9\x82\xc9\x8f\x91"
    "\x82\xab\x8d\x9e\x82\xdf\x82\xdc\x82\xb9\x82\xf1\x81\x46";
// ﾌｧｲﾙのﾊﾟｽが長すぎるため、選べません。
inline constexpr char kChosenPathTooLong[] =
    "\xcc\xa7\xb2\xd9\x82\xcc\xca\xdf\xbd\x82\xaa\x92\xb7\x82\xb7\x82\xac\x82\xe9\x82"
    "\xbd\x82\xdf\x81\x41\x91\x49\x82\xd7\x82\xdc\x82\xb9\x82\xf1\x81\x42";

// ﾌｧｲﾙの名前をこのｼｽﾃﾑの文字で保存できないため、選べません。
inline constexpr char kChosenPathUnkept[] =
    "\xcc\xa7\xb2\xd9\x82\xcc\x96\xbc\x91O\x82\xf0\x82\xb1\x82\xcc\xbc\xbd\xc3\xd1\x82"
    "\xcc\x95\xb6\x8e\x9a\x82\xc5\x95\xdb\x91\xb6\x82\xc5\x82\xab\x82\xc8\x82\xa2\x82"
    "\xbd\x82\xdf\x81"
    "A\x91I\x82\xd7\x82\xdc\x82\xb9\x82\xf1\x81"
    "B";

// The settings dialog's painting page: the buttons between the pages, its
// heading, the captions of its lists, the draw modes, the presets' names and
// the preset list's last two items.
inline constexpr char kCaptionToPainting[] = "\x95`\x89\xe6 \x81\xe2";  // 描画 ≫
inline constexpr char kCaptionToMusic[] = "\x81\xe1 BGM";               // ≪ BGM
inline constexpr char kPaintingHeading[] = "\x95`\x89\xe6";             // 描画
inline constexpr char kCaptionPreset[] = "\xcc\xdf\xd8\xbe\xaf\xc4";    // ﾌﾟﾘｾｯﾄ
inline constexpr char kCaptionDrawMode[] = "\x95`\x82\xab\x95\xfb";     // 描き方
inline constexpr char kCaptionAmount[] = "\x97\xca";                    // 量
inline constexpr char kCaptionSize[] = "\x91\xe5\x82\xab\x82\xb3";      // 大きさ
inline constexpr char kCaptionSpeed[] = "\x91\xac\x82\xb3";             // 速さ
inline constexpr char kCaptionTrail[] =
    "\x8e"
    "c\x91\x9c";                                                                // 残像
inline constexpr char kCaptionFlows[] = "\x97\xac\x82\xea";                     // 流れ
inline constexpr char kDrawModeSprites[] = "\x8c\xf5";                          // 光
inline constexpr char kDrawModePoints[] = "\x93_";                              // 点
inline constexpr char kDrawModeLines[] = "\x90\xfc";                            // 線
inline constexpr char kPresetCalmLines[] = "\x90\xc3\x82\xa9\x82\xc8\x90\xfc";  // 静かな線
inline constexpr char kPresetDenseSprites[] = "\x8c\xf5\x82\xcc\x8cQ\x82\xea";  // 光の群れ
inline constexpr char kPresetQuickTrails[] =
    "\x91\xac\x82\xa2\x8e"
    "c\x91\x9c";                                                                  // 速い残像
inline constexpr char kPresetOwn[] = "\x8e\xa9\x95\xaa\x82\xcc\x90\xdd\x92\xe8";  // 自分の設定
// 毎回ﾗﾝﾀﾞﾑに選ぶ
inline constexpr char kPresetRandom[] = "\x96\x88\x89\xf1\xd7\xdd\xc0\xde\xd1\x82\xc9\x91I\x82\xd4";
// The list of the monitors the painting is shown on, and its two items.
inline constexpr char kCaptionMonitors[] = "\xd3\xc6\xc0\xb0";  // ﾓﾆﾀｰ
inline constexpr char kMonitorsEvery[] = "\x91\x53\x82\xc4\x82\xcc\xd3\xc6\xc0\xb0";  // 全てのﾓﾆﾀｰ
inline constexpr char kMonitorsMainOnly[] =
    "\xd2\xb2\xdd\xd3\xc6\xc0\xb0\x82\xcc\x82\xdd";  // ﾒｲﾝﾓﾆﾀｰのみ

struct JapaneseText {
    const char* name;
    const char* bytes;
};

inline constexpr JapaneseText kJapaneseTexts[] = {
    {"kKeyKind", kKeyKind},
    {"kKeyRepeatTrack", kKeyRepeatTrack},
    {"kKeyFile", kKeyFile},
    {"kKeyMonitors", kKeyMonitors},
    {"kMissingRenderer", kMissingRenderer},
    {"kNoCommand", kNoCommand},
    {"kNoErrorText", kNoErrorText},
    {"kCaptionCompactDisc", kCaptionCompactDisc},
    {"kCaptionRepeat", kCaptionRepeat},
    {"kCaptionNone", kCaptionNone},
    {"kCaptionMusicFile", kCaptionMusicFile},
    {"kCaptionOtherWorks", kCaptionOtherWorks},
    {"kCaptionSet", kCaptionSet},
    {"kCaptionCancel", kCaptionCancel},

    {"kMusicFileFilterName", kMusicFileFilterName},
    {"kOpenFileTitle", kOpenFileTitle},
    {"kSaveFailed", kSaveFailed},
    {"kChosenPathTooLong", kChosenPathTooLong},
    {"kChosenPathUnkept", kChosenPathUnkept},
    {"kCaptionToPainting", kCaptionToPainting},
    {"kCaptionToMusic", kCaptionToMusic},
    {"kPaintingHeading", kPaintingHeading},
    {"kCaptionPreset", kCaptionPreset},
    {"kCaptionDrawMode", kCaptionDrawMode},
    {"kCaptionAmount", kCaptionAmount},
    {"kCaptionSize", kCaptionSize},
    {"kCaptionSpeed", kCaptionSpeed},
    {"kCaptionTrail", kCaptionTrail},
    {"kCaptionFlows", kCaptionFlows},
    {"kDrawModeSprites", kDrawModeSprites},
    {"kDrawModePoints", kDrawModePoints},
    {"kDrawModeLines", kDrawModeLines},
    {"kPresetCalmLines", kPresetCalmLines},
    {"kPresetDenseSprites", kPresetDenseSprites},
    {"kPresetQuickTrails", kPresetQuickTrails},
    {"kPresetOwn", kPresetOwn},
    {"kPresetRandom", kPresetRandom},
    {"kCaptionMonitors", kCaptionMonitors},
    {"kMonitorsEvery", kMonitorsEvery},
    {"kMonitorsMainOnly", kMonitorsMainOnly},
};
