#include <gtest/gtest.h>

#include <string>

#include "shortened_path.h"

namespace {

// A label that holds `room` characters.
std::wstring Shown(const std::wstring& path, std::size_t room) {
    return ShortenedPath(path, [room](const std::wstring& text) { return text.size() <= room; });
}

TEST(ShortenedPath, TheFileNameIsAlwaysSeen) {
    const std::wstring path =
        L"D:\\Music Library\\Artist Name\\Album Title (Deluxe Edition)\\07 The Long Song.mp3";
    const struct {
        std::size_t room;
        std::wstring shown;
    } cases[] = {
        // Room enough: the whole path.
        {path.size(), path},
        // The start of the folders as far as it fits, then the name.
        {path.size() - 1,
         L"D:\\Music Library\\Artist Name\\Album Title (Deluxe Edit...\\07 The "
         L"Long Song.mp3"},
        {30, L"D:\\Mus...\\07 The Long Song.mp3"},
        // "..." and the name, nothing of the folders.
        {24, L"...\\07 The Long Song.mp3"},
        // The name itself loses its middle, the ending keeping the larger
        // share.
        {23, L"...\\07 The ... Song.mp3"},
        {12, L"...\\07...mp3"},
        {3, L"..."},
        {0, L"..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Shown(path, c.room), c.shown) << c.room;
        EXPECT_LE(Shown(path, c.room).size(), std::max<std::size_t>(c.room, 3)) << c.room;
    }
}

TEST(ShortenedPath, ANameWithoutFolders) {
    EXPECT_EQ(Shown(L"song.mp3", 8), L"song.mp3");
    EXPECT_EQ(Shown(L"a long song.mp3", 12), L"...a l...mp3");
    EXPECT_EQ(Shown(L"", 0), L"");
}

}  // namespace
