#include "imaging/DesktopFit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

void ExpectFit(std::int64_t w, std::int64_t h, std::int64_t W, std::int64_t H,
               std::int64_t outWidth, std::int64_t outHeight, bool copy)
{
    const std::optional<FittedSize> fit = FitSize(w, h, W, H);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->width, outWidth) << w << "x" << h << " on " << W << "x" << H;
    EXPECT_EQ(fit->height, outHeight) << w << "x" << h << " on " << W << "x" << H;
    EXPECT_EQ(fit->copy, copy) << w << "x" << h << " on " << W << "x" << H;
}

}  // namespace

TEST(FitSize, WorkedExamples)
{
    ExpectFit(1024, 768, 1280, 1024, 1280, 960, false);
    ExpectFit(800, 600, 1024, 768, 1024, 768, false);
    ExpectFit(1024, 600, 1024, 768, 1024, 600, true);
}

TEST(FitSize, OneSideTakesTheDesktopsTheOtherTheRatio)
{
    ExpectFit(6000, 4000, 3840, 2160, 3240, 2160, false);
    ExpectFit(1920, 1080, 3840, 2160, 3840, 2160, false);
    ExpectFit(600, 1024, 1024, 768, 450, 768, false);
    ExpectFit(768, 768, 1280, 1024, 1024, 1024, false);
    // Equal height: scale 1 under the height rule, so copied too.
    ExpectFit(500, 1024, 1280, 1024, 500, 1024, true);
}

TEST(FitSize, ThinSideKeepsOnePixel)
{
    ExpectFit(100000, 1, 1280, 1024, 1280, 1, false);
    ExpectFit(1, 100000, 1280, 1024, 1, 1024, false);
}

TEST(FitSize, EmptyOrOversizedSidesAreRefused)
{
    const std::int64_t big = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    EXPECT_FALSE(FitSize(0, 10, 1280, 1024));
    EXPECT_FALSE(FitSize(10, 0, 1280, 1024));
    EXPECT_FALSE(FitSize(10, 10, 0, 1024));
    EXPECT_FALSE(FitSize(10, 10, 1280, 0));
    EXPECT_FALSE(FitSize(10, 10, -1280, 1024));
    EXPECT_FALSE(FitSize(10, 10, big, 1024));
    EXPECT_FALSE(FitSize(big, 10, 1280, 1024));
}
