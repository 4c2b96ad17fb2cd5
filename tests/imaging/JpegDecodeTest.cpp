#include "imaging/JpegDecode.h"

#include "tests/support/TestJpeg.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift : {0, 8, 16}) {
        if (std::abs(int(actual >> shift & 0xFF) - int(expected >> shift & 0xFF)) > tolerance)
            return ::testing::AssertionFailure() << std::hex << actual << " against " << expected;
    }
    return ::testing::AssertionSuccess();
}

// 200 x 150 in quarters: red, green over blue, white.
std::uint32_t Quarters(int x, int y)
{
    static const std::uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    return colours[(y < 75 ? 0 : 2) + (x < 100 ? 0 : 1)];
}

std::uint32_t Noise(int x, int y)
{
    return static_cast<std::uint32_t>((x * 2654435761u) ^ (y * 40503u) ^ (x * y * 97u)) & 0xFFFFFF;
}

}  // namespace

TEST(JpegDecode, EveryKindShowsItsColoursAtEveryScale)
{
    const struct {
        const char* name;
        JpegStyle style;
    } kinds[] = {
        {"baseline 4:4:4", {}},
        {"4:2:2", {JpegColours::YCbCr, 2, 1}},
        {"4:2:0", {JpegColours::YCbCr, 2, 2}},
        {"4:4:0", {JpegColours::YCbCr, 1, 2}},
        {"4:1:1", {JpegColours::YCbCr, 4, 1}},
        {"greyscale", {JpegColours::Greyscale}},
        {"progressive 4:2:0", {JpegColours::YCbCr, 2, 2, true}},
        {"arithmetic 4:2:0", {JpegColours::YCbCr, 2, 2, false, true}},
        {"progressive arithmetic", {JpegColours::YCbCr, 2, 1, true, true}},
        {"restart markers", {JpegColours::YCbCr, 2, 2, false, false, 1}},
        {"RGB", {JpegColours::Rgb}},
        {"Adobe CMYK", {JpegColours::Cmyk}},
        {"YCCK", {JpegColours::Ycck, 2, 2}},
    };
    for (const auto& kind : kinds) {
        const std::string file = EncodedJpeg(200, 150, kind.style, Quarters);
        for (int scale : {8, 4, 1}) {
            SCOPED_TRACE(testing::Message() << kind.name << " at " << scale << "/8");
            const JpegRows rows = DecodedJpeg(file, JpegPart{scale, 0, 0, 0, 0});
            ASSERT_FALSE(rows.bytes.empty());
            // Sides round up: 200 x 150 at 1/8 is 25 x 19.
            EXPECT_EQ(rows.width, (200u * scale + 7) / 8);
            EXPECT_EQ(rows.height, (150u * scale + 7) / 8);
            for (std::uint32_t quarter = 0; quarter < 4; ++quarter) {
                const std::uint32_t colour = Quarters(quarter % 2 * 100, quarter / 2 * 75);
                const bool grey = kind.style.colours == JpegColours::Greyscale;
                EXPECT_TRUE(Near(rows.Pixel(rows.width * (1 + quarter % 2 * 2) / 4,
                                            rows.height * (1 + quarter / 2 * 2) / 4),
                                 grey ? (colour >> 8 & 0xFF) * 0x010101 : colour, 12));
            }
        }
    }
}

// Skipped rows and cropped columns are never decoded; what is decoded is exactly the whole
// picture's, at any scale.
TEST(JpegDecode, APartHasTheBytesOfThoseRowsAndColumnsOfTheWhole)
{
    for (const JpegStyle& style :
         {JpegStyle{}, JpegStyle{JpegColours::YCbCr, 2, 2}, JpegStyle{JpegColours::YCbCr, 2, 1},
          JpegStyle{JpegColours::YCbCr, 4, 1}, JpegStyle{JpegColours::YCbCr, 1, 2, true},
          JpegStyle{JpegColours::Ycck, 2, 2}}) {
        const std::string file = EncodedJpeg(90, 70, style, Noise);
        for (int scale : {8, 5, 2}) {
            const JpegRows whole = DecodedJpeg(file, JpegPart{scale, 0, 0, 0, 0});
            const std::uint32_t w = whole.width;
            const std::uint32_t h = whole.height;
            for (const JpegPart& part :
                 {JpegPart{scale, 17, 9, w / 2, h / 3}, JpegPart{scale, 16, 16, 9, 5},
                  JpegPart{scale, 15, 1, 2, 4}, JpegPart{scale, w - 3, h - 2, 3, 2},
                  JpegPart{scale, 1, 0, w - 1, 1}}) {
                if (part.left + part.width > w || part.top + part.height > h)
                    continue;  // beyond a small scale's sides
                const JpegRows rows = DecodedJpeg(file, part);
                ASSERT_FALSE(rows.bytes.empty());
                int wrong = 0;
                for (std::uint32_t y = 0; y < part.height; ++y) {
                    for (std::uint32_t x = 0; x < part.width; ++x)
                        wrong += rows.Pixel(x, y) != whole.Pixel(part.left + x, part.top + y);
                }
                EXPECT_EQ(wrong, 0) << "scale " << scale << ", part at " << part.left << ","
                                    << part.top;
            }
        }
    }
}

TEST(JpegDecode, RefusesWhatItCannotShow)
{
    const std::string good = EncodedJpeg(16, 16, {}, Quarters);
    std::string twelveBit = MidGreyJpeg(16, 16, JpegKind::Greyscale);
    twelveBit[twelveBit.find("\xFF\xC0") + 4] = 12;  // the frame's sample precision
    JpegSides sides;
    for (const std::string& file : {std::string(), std::string("not a picture"),
                                    good.substr(0, 20), twelveBit}) {
        EXPECT_FALSE(JpegReadSides(reinterpret_cast<const std::uint8_t*>(file.data()),
                                   file.size(), &sides));
        EXPECT_TRUE(DecodedJpeg(file, JpegPart{8, 0, 0, 16, 16}).bytes.empty()) << file.size();
    }
    for (const JpegPart& outside : {JpegPart{8, 0, 0, 17, 16}, JpegPart{8, 16, 0, 1, 1},
                                    JpegPart{8, 0, 15, 16, 2}, JpegPart{4, 0, 0, 16, 16},
                                    JpegPart{0, 0, 0, 1, 1}, JpegPart{9, 0, 0, 1, 1}})
        EXPECT_TRUE(DecodedJpeg(good, outside).bytes.empty());
}

// A baseline picture as large as the format allows needs no memory of its size; a
// progressive one gathers every coefficient first, within the limit or not at all.
TEST(JpegDecode, MemoryFollowsThePartForBaselineAndTheLimitHoldsForProgressive)
{
    const std::string baseline = MidGreyJpeg(65500, 65500, JpegKind::Greyscale);
    const JpegRows corner = DecodedJpeg(baseline, JpegPart{1, 8180, 8180, 8, 8}, 16 << 20);
    ASSERT_FALSE(corner.bytes.empty());
    EXPECT_TRUE(Near(corner.Pixel(7, 7), 0x808080, 1));

    const std::string progressive = MidGreyJpeg(4000, 3000, JpegKind::Greyscale, true);
    EXPECT_FALSE(DecodedJpeg(progressive, JpegPart{1, 0, 0, 8, 8}, 64 << 20).bytes.empty());
    EXPECT_TRUE(DecodedJpeg(progressive, JpegPart{1, 0, 0, 8, 8}, 16 << 20).bytes.empty());
    const std::string hostile = MidGreyJpeg(65500, 65500, JpegKind::Colour, true);
    EXPECT_TRUE(DecodedJpeg(hostile, JpegPart{1, 0, 0, 8, 8}, 1 << 30).bytes.empty());
}
