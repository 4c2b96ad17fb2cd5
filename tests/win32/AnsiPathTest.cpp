#include "win32/AnsiPath.h"
#include "tests/support/TempDir.h"
#include "tests/support/WholeFile.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(AnsiPath, SpellsExactlyOrNotAtAll)
{
    std::string ansi;
    EXPECT_TRUE(ToExactAnsi(L"写真 表ソ.jpg", ansi));
    EXPECT_EQ(ansi, "写真 表ソ.jpg");
    // Accented Latin, hangul, simplified Chinese, an emoji, and a letter that best-fit
    // conversion would turn into a plain "a".
    for (const std::wstring name : {L"café.jpg", L"한글.jpg", L"简体.jpg", L"😀.jpg", L"ā.jpg"}) {
        EXPECT_FALSE(ToExactAnsi(name, ansi)) << ansi;
        EXPECT_EQ(ansi, "");
    }
}

TEST(AnsiPath, ShortensOnlyTheComponentsTheCodePageCannotSpell)
{
    TempDir dir;
    const std::wstring folder = WideOf(dir.Path()) + L"\\사진";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    dir.WideFile(L"사진\\写真.bmp", "picture");

    const std::string path = AnsiPathOf(folder + L"\\写真.bmp");
    ASSERT_EQ(path.rfind(dir.Path() + "\\", 0), 0u) << path;
    EXPECT_EQ(path.substr(path.size() - 9), "\\写真.bmp");
    EXPECT_NE(path.find('~'), std::string::npos);
    EXPECT_EQ(ReadWholeFile(path), "picture");

    const std::wstring missing = folder + L"\\missing é.bmp";
    EXPECT_EQ(AnsiPathOf(missing), "");
    EXPECT_EQ(AnsiPathOf(L"C:\\plain\\missing.bmp"), "C:\\plain\\missing.bmp");
}

TEST(AnsiPath, RefusesWildcardsAndWhatTheSettingsCannotKeepWhole)
{
    const std::wstring longest = L"C:\\" + std::wstring(kMaxAnsiPath - 3, L'a');
    EXPECT_EQ(AnsiPathOf(longest).size(), kMaxAnsiPath);
    EXPECT_EQ(AnsiPathOf(longest + L"b"), "");
    EXPECT_EQ(AnsiPathOf(L"C:\\pics\\*.bmp"), "");
}
