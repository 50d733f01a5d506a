#include <gtest/gtest.h>
#include <iconv.h>

#include <map>
#include <string>

#include "texts.h"

namespace {

std::string Cp932ToUtf8(const std::string& bytes) {
    iconv_t convert = iconv_open("UTF-8", "CP932");
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "no CP932 converter";
        return {};
    }
    std::string in = bytes;
    std::string out(in.size() * 4 + 4, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(convert, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(convert);
    EXPECT_NE(result, static_cast<std::size_t>(-1)) << "not valid CP932: " << bytes;
    out.resize(out.size() - outLeft);
    return out;
}

// The readable form of every text, as a person writes it.
const std::map<std::string, std::string> kReadable = {
    {"kKeyKind", "BGM区分"},
    {"kKeyRepeatTrack", "BGMﾘﾋﾟｰﾄ"},
    {"kKeyFile", "BGMﾌｧｲﾙ"},
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
    {"kDialogFontName", "ＭＳ Ｐゴシック"},
    {"kMusicFileFilterName", "BGMﾌｧｲﾙ (MP3 WAV)"},
    {"kOpenFileTitle", "ﾌｧｲﾙを開く"},
};

TEST(JapaneseTexts, EveryTextDecodesFromCodePage932ToItsReadableForm) {
    for (const JapaneseText& text : kJapaneseTexts) {
        const auto readable = kReadable.find(text.name);
        ASSERT_NE(readable, kReadable.end()) << text.name << " has no readable form in this test";
        EXPECT_EQ(Cp932ToUtf8(text.bytes), readable->second) << text.name;
    }
    EXPECT_EQ(std::size(kJapaneseTexts), kReadable.size()) << "a readable form has no text";
}

}  // namespace
