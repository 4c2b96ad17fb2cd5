#include "imaging/BilinearFill.h"
#include "imaging/BitmapLayout.h"
#include "imaging/Canvas.h"
#include "imaging/DesktopFit.h"
#include "imaging/Orientation.h"

#include "ReferenceFill.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// No two pixels alike (sides up to 256): blue is x, green y, red both mixed.
std::vector<std::uint8_t> Distinct(std::int32_t width, std::int32_t height)
{
    const std::size_t stride = *RowBytes(width, 24);
    std::vector<std::uint8_t> dib(*Dib24Bytes(width, height));
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            std::uint8_t* pixel = &dib[y * stride + x * 3];
            pixel[0] = static_cast<std::uint8_t>(x);
            pixel[1] = static_cast<std::uint8_t>(y);
            pixel[2] = static_cast<std::uint8_t>(x * 7 ^ y * 3);
        }
    }
    return dib;
}

}  // namespace

// Filling a screen is defined as the plain fill to the covering size, cut to the centred
// screen-sized window; only the window is made.
TEST(FillWindow, EqualsTheWholeFillCutToTheCentredWindow)
{
    struct Case {
        std::int32_t width, height, orientation, screenWidth, screenHeight;
    };
    const Case cases[] = {
        {60, 40, 1, 32, 32},   // wider than the screen: sides cut, odd overhang
        {40, 60, 1, 45, 20},   // taller: top and bottom cut
        {30, 20, 1, 91, 47},   // enlarged
        {60, 40, 6, 32, 18},   // turned a quarter, then cut
        {25, 17, 3, 50, 34},   // the screen's own shape: nothing cut
        {64, 36, 1, 64, 30},   // a side already the screen's: copied, not resampled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " o" << c.orientation
                                        << " -> " << c.screenWidth << "x" << c.screenHeight);
        const std::vector<std::uint8_t> src = Distinct(c.width, c.height);
        const TurnedView view = TurnView(c.orientation, c.width, c.height);
        std::vector<std::uint8_t> shown(*Dib24Bytes(view.width, view.height));
        CopyTurned(src.data(), view, shown.data());

        const auto size = FillSize(view.width, view.height, c.screenWidth, c.screenHeight);
        ASSERT_TRUE(size);
        ASSERT_GE(size->width, c.screenWidth);
        ASSERT_GE(size->height, c.screenHeight);
        const std::int32_t fullWidth = static_cast<std::int32_t>(size->width);
        const std::int32_t fullHeight = static_cast<std::int32_t>(size->height);
        std::vector<std::uint8_t> full(*Dib24Bytes(fullWidth, fullHeight));
        if (size->copy)
            full = shown;
        else
            ReferenceFill(shown.data(), view.width, view.height, full.data(), fullWidth, fullHeight);
        const std::size_t fullStride = *RowBytes(fullWidth, 24);
        const std::size_t stride = *RowBytes(c.screenWidth, 24);
        std::vector<std::uint8_t> expected(*Dib24Bytes(c.screenWidth, c.screenHeight), 0xAB);
        const std::int32_t left = (fullWidth - c.screenWidth) / 2;
        const std::int32_t top = (fullHeight - c.screenHeight) / 2;
        for (std::int32_t y = 0; y < c.screenHeight; ++y) {
            const std::uint8_t* from =
                &full[(fullHeight - 1 - (top + y)) * fullStride + left * 3];
            std::copy(from, from + c.screenWidth * 3,
                      &expected[(c.screenHeight - 1 - y) * stride]);
        }

        std::vector<std::uint8_t> actual(expected.size(), 0xAB);
        const auto place = PlaceCentred(fullWidth, fullHeight, 0, 0, c.screenWidth,
                                        c.screenHeight, c.screenWidth, c.screenHeight);
        ASSERT_TRUE(place);
        ASSERT_EQ(place->window.width, c.screenWidth);
        ASSERT_EQ(place->window.height, c.screenHeight);
        if (size->copy)
            CopyTurned(src.data(), view, place->window, actual.data(), stride);
        else
            BilinearFill(src.data(), view, fullWidth, fullHeight, place->window, actual.data(),
                         stride);
        EXPECT_EQ(actual, expected);
    }
}

// Windows tiles from the primary monitor's corner: the canvas turns round to start there.
TEST(Canvas, TurnsRoundSoThatAPointBecomesTheTopLeft)
{
    const std::int32_t width = 5;
    const std::int32_t height = 3;
    const std::vector<std::uint8_t> before = Distinct(width, height);
    const std::size_t stride = *RowBytes(width, 24);
    // Pixel (x, y) from the top-left.
    auto at = [&](const std::vector<std::uint8_t>& dib, std::int32_t x, std::int32_t y) {
        return std::vector<std::uint8_t>(dib.begin() + (height - 1 - y) * stride + x * 3,
                                         dib.begin() + (height - 1 - y) * stride + x * 3 + 3);
    };
    for (const auto& [dx, dy] : {std::pair{2, 1}, std::pair{0, 2}, std::pair{4, 0}, std::pair{0, 0}}) {
        std::vector<std::uint8_t> after = before;
        TurnCanvasRound(Canvas24{after.data(), width, height}, dx, dy);
        for (std::int32_t y = 0; y < height; ++y) {
            for (std::int32_t x = 0; x < width; ++x)
                ASSERT_EQ(at(after, x, y), at(before, (x + dx) % width, (y + dy) % height))
                    << dx << "," << dy << " at " << x << "," << y;
        }
    }
}
