#include "app/TrayTip.h"

#include <gtest/gtest.h>

// "表" is 0x95 0x5C: its second byte is a backslash, and a cut never falls between the two.
TEST(TrayTip, NamesEachPictureAndIsCutBetweenCharacters)
{
    EXPECT_EQ(TrayTip("Tesselwane", {}, 64), "Tesselwane");
    EXPECT_EQ(TrayTip("Tesselwane", {"a.jpg", "b.jpg"}, 64), "Tesselwane\na.jpg\nb.jpg");
    const std::string name = "\x95\x5C\x95\x5C.jpg";
    EXPECT_EQ(TrayTip("T", {name}, 5), "T\n\x95\x5C");
    EXPECT_EQ(TrayTip("T", {name}, 6), "T\n\x95\x5C");
    EXPECT_EQ(TrayTip("T", {name}, 7), "T\n\x95\x5C\x95\x5C");
    EXPECT_EQ(TrayTip("Tesselwane", {"a.jpg"}, 1), "");
}
