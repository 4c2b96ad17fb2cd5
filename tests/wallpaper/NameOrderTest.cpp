#include "wallpaper/NameOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

TEST(NameOrder, BytewiseWithoutCaseFoldingOrLocale)
{
    std::vector<std::string> names = {"b.jpg", "a.jpg", "A.jpg", "9.jpg", "10.jpg"};
    std::sort(names.begin(), names.end(), NameLess);
    EXPECT_EQ(names, (std::vector<std::string>{"10.jpg", "9.jpg", "A.jpg", "a.jpg", "b.jpg"}));
}

TEST(NameOrder, JapaneseNamesFollowAscii)
{
    const std::string japanese = "\x82\xa0.jpg";  // あ.jpg in code page 932
    EXPECT_TRUE(NameLess("z.jpg", japanese));
    EXPECT_TRUE(NameLess("~", "\x80"));
    EXPECT_FALSE(NameLess(japanese, "z.jpg"));
}

TEST(NameOrder, PrefixSortsFirstAndEqualIsNotLess)
{
    EXPECT_TRUE(NameLess("a", "a.jpg"));
    EXPECT_FALSE(NameLess("a.jpg", "a"));
    EXPECT_FALSE(NameLess("a.jpg", "a.jpg"));
}
