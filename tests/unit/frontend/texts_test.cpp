#include <gtest/gtest.h>

#include <map>
#include <string>

#include "../code_page_932.h"
#include "screen_texts.h"
#include "texts.h"

namespace {

// The readable form of every text, as a person writes it.
const std::map<std::string, std::string> kReadable = {
    {"kKeyKind", "BGM区分"},
    {"kKeyRepeatTrack", "BGMﾘﾋﾟｰﾄ"},
    {"kKeyFile", "BGMﾌｧｲﾙ"},
    {"kKeyMonitors", "ﾓﾆﾀｰ区分"},
    {"kMissingRenderer", "Velmora.dll が Velmora.scr と同じﾌｫﾙﾀﾞに見つかりません！"},
    {"kNoCommand", "コマンド文字列が指定されていません"},
    {"kNoErrorText", "Error (文字列が取れません)"},
    {"kCaptionCompactDisc", "音楽CD"},
    {"kCaptionRepeat", "曲目をﾘﾋﾟｰﾄ"},
    {"kCaptionNone", "無し"},
    {"kCaptionMusicFile", "MP3、WAV"},
    {"kCaptionOtherWorks", "その他の作品"},
    {"kCaptionSet", "設定"},
    {"kCaptionCancel", "ｷｬﾝｾﾙ"},
    {"kMusicFileFilterName", "BGMﾌｧｲﾙ (MP3 WAV)"},
    {"kOpenFileTitle", "ﾌｧｲﾙを開く"},
    {"kSaveFailed", "設定を保存できませんでした。次のﾌｧｲﾙに書き込めません："},
    {"kChosenPathTooLong", "ﾌｧｲﾙのﾊﾟｽが長すぎるため、選べません。"},
    {"kChosenPathUnkept", "ﾌｧｲﾙの名前をこのｼｽﾃﾑの文字で保存できないため、選べません。"},
    {"kCaptionToPainting", "描画 ≫"},
    {"kCaptionToMusic", "≪ BGM"},
    {"kPaintingHeading", "描画"},
    {"kCaptionPreset", "ﾌﾟﾘｾｯﾄ"},
    {"kCaptionDrawMode", "描き方"},
    {"kCaptionAmount", "量"},
    {"kCaptionSize", "大きさ"},
    {"kCaptionSpeed", "速さ"},
    {"kCaptionTrail", "残像"},
    {"kCaptionFlows", "流れ"},
    {"kDrawModeSprites", "光"},
    {"kDrawModePoints", "点"},
    {"kDrawModeLines", "線"},
    {"kPresetCalmLines", "静かな線"},
    {"kPresetDenseSprites", "光の群れ"},
    {"kPresetQuickTrails", "速い残像"},
    {"kPresetOwn", "自分の設定"},
    {"kPresetRandom", "毎回ﾗﾝﾀﾞﾑに選ぶ"},
    {"kCaptionMonitors", "ﾓﾆﾀｰ"},
    {"kMonitorsEvery", "全てのﾓﾆﾀｰ"},
    {"kMonitorsMainOnly", "ﾒｲﾝﾓﾆﾀｰのみ"},
};

TEST(JapaneseTexts, EveryTextDecodesFromCodePage932ToItsReadableForm) {
    for (const JapaneseText& text : kJapaneseTexts) {
        const auto readable = kReadable.find(text.name);
        ASSERT_NE(readable, kReadable.end()) << text.name << " has no readable form in this test";
        EXPECT_EQ(Cp932ToUtf8(text.bytes), readable->second) << text.name;
    }
    EXPECT_EQ(std::size(kJapaneseTexts), kReadable.size()) << "a readable form has no text";
}

// The English texts are shown by the same Shift-JIS conversion as the
// Japanese ones, which reads plain ASCII as it is; a backslash would show as
// a yen sign in a Japanese font.
TEST(ScreenTexts, EveryTableHasEveryTextAndEnglishIsPlainAscii) {
    EXPECT_EQ(std::size(kScreenTextFields) * sizeof(const char*), sizeof(ScreenTexts))
        << "a text of ScreenTexts is missing from kScreenTextFields";
    for (const auto field : kScreenTextFields) {
        for (const ScreenTexts* table : {&kJapaneseScreenTexts, &kEnglishScreenTexts}) {
            ASSERT_NE(table->*field, nullptr);
            EXPECT_NE(std::string(table->*field), "");
        }
        for (const char* c = kEnglishScreenTexts.*field; *c != '\0'; ++c) {
            EXPECT_TRUE(*c >= ' ' && *c <= '~' && *c != '\\') << kEnglishScreenTexts.*field;
        }
    }
    EXPECT_EQ(&ScreenTextsIn(ScreenLanguage::kJapanese), &kJapaneseScreenTexts);
    EXPECT_EQ(&ScreenTextsIn(ScreenLanguage::kEnglish), &kEnglishScreenTexts);
}

}  // namespace
