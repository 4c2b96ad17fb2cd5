#include "imaging/PreviewLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

void ExpectRect(const std::optional<PreviewRect>& r, int x, int y, int cx, int cy)
{
    ASSERT_TRUE(r);
    EXPECT_EQ(r->x, x);
    EXPECT_EQ(r->y, y);
    EXPECT_EQ(r->cx, cx);
    EXPECT_EQ(r->cy, cy);
}

}  // namespace

TEST(PreviewLayout, NarrowPictureIsCentredHorizontally)
{
    // r = 0.75: cx = 0.75 * 0.75 * 180 = 101.25 -> 101; x = (180 - 101) / 2 = 39.
    ExpectRect(PreviewLayout(300, 400, 0, 0, 180, 135), 39, 0, 101, 135);
    ExpectRect(PreviewLayout(300, 400, 10, 20, 190, 155), 49, 20, 101, 135);
}

TEST(PreviewLayout, WidePictureIsCentredVertically)
{
    // r = 2: cy = 135 / 1.5 = 90; y = (135 - 90) / 2 = 22.
    ExpectRect(PreviewLayout(800, 400, 0, 0, 180, 135), 0, 22, 180, 90);
}

TEST(PreviewLayout, ThinPictureKeepsOnePixel)
{
    // 135 / (0.75 * 1000) and 0.75 * 0.001 * 180 truncate to 0: Render would refuse them.
    ExpectRect(PreviewLayout(1000, 1, 0, 0, 180, 135), 0, 67, 180, 1);
    ExpectRect(PreviewLayout(1, 1000, 0, 0, 180, 135), 89, 0, 1, 135);
    ExpectRect(PreviewLayout(1, 1000, 0, 0, 0, 135), 0, 0, 0, 135);
}

TEST(PreviewLayout, FourToThreeFillsTheBox)
{
    ExpectRect(PreviewLayout(640, 480, 0, 0, 180, 135), 0, 0, 180, 135);
    ExpectRect(PreviewLayout(4, 3, 5, 5, 185, 140), 5, 5, 180, 135);
}

TEST(PreviewLayout, EmptyPictureOrHugeBoxIsRefused)
{
    const int maxInt = std::numeric_limits<int>::max();
    EXPECT_FALSE(PreviewLayout(0, 480, 0, 0, 180, 135));
    EXPECT_FALSE(PreviewLayout(640, 0, 0, 0, 180, 135));
    EXPECT_FALSE(PreviewLayout(-640, 480, 0, 0, 180, 135));
    EXPECT_FALSE(PreviewLayout(640, 480, -maxInt, 0, maxInt, 135));
    const std::optional<PreviewRect> extreme = PreviewLayout(maxInt, 1, 0, 0, maxInt, maxInt);
    ASSERT_TRUE(extreme);
    EXPECT_EQ(extreme->cx, maxInt);
    EXPECT_GE(extreme->cy, 0);
}
