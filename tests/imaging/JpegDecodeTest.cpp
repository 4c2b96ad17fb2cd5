#include "imaging/JpegDecode.h"

#include "portable/DibLayout.h"
#include "tests/support/TestJpeg.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Bottom-up 24-bit rows, as a DIB holds them.
struct Rows {
    std::uint32_t width;
    std::uint32_t height;
    std::size_t stride;
    std::vector<std::uint8_t> bytes;

    // 0xRRGGBB at (x, y from the top).
    std::uint32_t Pixel(std::uint32_t x, std::uint32_t y) const
    {
        const std::uint8_t* p = &bytes[(height - 1 - y) * stride + x * 3];
        return std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
    }
};

const std::uint8_t* Data(const std::string& file)
{
    return reinterpret_cast<const std::uint8_t*>(file.data());
}

// The part decoded into a buffer of exactly its rows; empty bytes when refused.
Rows Decode(const std::string& file, const JpegPart& part, std::size_t memoryLimit = 64 << 20)
{
    Rows rows{part.width, part.height, static_cast<std::size_t>(DibStride(part.width, 24)), {}};
    rows.bytes.resize(rows.stride * part.height + 1);
    std::uint8_t* top = rows.bytes.data() + rows.stride * (part.height > 0 ? part.height - 1 : 0);
    if (!JpegDecode(Data(file), file.size(), &part, memoryLimit, top,
                    -static_cast<std::ptrdiff_t>(rows.stride)))
        rows.bytes.clear();
    return rows;
}

Rows DecodeWhole(const std::string& file, int scale)
{
    JpegSides sides;
    EXPECT_TRUE(JpegReadSides(Data(file), file.size(), &sides));
    return Decode(file, JpegPart{scale, 0, 0, sides.width[scale - 1], sides.height[scale - 1]});
}

::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift : {0, 8, 16}) {
        const int a = actual >> shift & 0xFF;
        const int e = expected >> shift & 0xFF;
        if (std::abs(a - e) > tolerance)
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

// Noise, so that any byte out of place shows.
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
        SCOPED_TRACE(kind.name);
        const std::string file = EncodedJpeg(200, 150, kind.style, Quarters);
        const bool grey = kind.style.colours == JpegColours::Greyscale;
        for (int scale : {8, 4, 1}) {
            const Rows rows = DecodeWhole(file, scale);
            ASSERT_FALSE(rows.bytes.empty()) << scale;
            // Sides round up: 200 x 150 at 1/8 is 25 x 19.
            EXPECT_EQ(rows.width, (200u * scale + 7) / 8);
            EXPECT_EQ(rows.height, (150u * scale + 7) / 8);
            for (int qy : {0, 1}) {
                for (int qx : {0, 1}) {
                    const std::uint32_t colour = Quarters(qx * 100, qy * 75);
                    const std::uint32_t expected = grey ? (colour >> 8 & 0xFF) * 0x010101 : colour;
                    EXPECT_TRUE(Near(rows.Pixel(rows.width * (1 + 2 * qx) / 4,
                                                rows.height * (1 + 2 * qy) / 4),
                                     expected, 12))
                        << "scale " << scale << ", quarter " << qx << qy;
                }
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
        for (int scale : {8, 5, 4, 2}) {
            const Rows whole = DecodeWhole(file, scale);
            ASSERT_FALSE(whole.bytes.empty());
            const std::uint32_t w = whole.width;
            const std::uint32_t h = whole.height;
            for (const JpegPart& part :
                 {JpegPart{scale, 0, 0, w, h}, JpegPart{scale, 17, 9, w / 2, h / 3},
                  JpegPart{scale, 16, 16, 9, 5}, JpegPart{scale, 15, 1, 2, 4},
                  JpegPart{scale, w - 3, h - 2, 3, 2}, JpegPart{scale, 1, 0, w - 1, 1}}) {
                if (part.left + part.width > w || part.top + part.height > h)
                    continue;  // beyond a small scale's sides
                SCOPED_TRACE(testing::Message() << "scale " << scale << " part " << part.left
                                                << "," << part.top << " " << part.width << "x"
                                                << part.height);
                const Rows rows = Decode(file, part);
                ASSERT_FALSE(rows.bytes.empty());
                int wrong = 0;
                for (std::uint32_t y = 0; y < part.height; ++y) {
                    for (std::uint32_t x = 0; x < part.width; ++x)
                        wrong += rows.Pixel(x, y) != whole.Pixel(part.left + x, part.top + y);
                }
                EXPECT_EQ(wrong, 0);
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
        EXPECT_FALSE(JpegReadSides(Data(file), file.size(), &sides)) << file.size();
        EXPECT_TRUE(Decode(file, JpegPart{8, 0, 0, 16, 16}).bytes.empty()) << file.size();
    }
    for (const JpegPart& outside : {JpegPart{8, 0, 0, 17, 16}, JpegPart{8, 16, 0, 1, 1},
                                    JpegPart{8, 0, 15, 16, 2}, JpegPart{8, 0, 0, 0, 0},
                                    JpegPart{4, 0, 0, 16, 16}, JpegPart{0, 0, 0, 1, 1},
                                    JpegPart{9, 0, 0, 1, 1}})
        EXPECT_TRUE(Decode(good, outside).bytes.empty());
}

// A baseline picture as large as the format allows needs no memory of its own size; a
// progressive one gathers every coefficient first, and a header asking for more than the
// limit is refused before any is allocated.
TEST(JpegDecode, MemoryFollowsThePartForBaselineAndTheLimitHoldsForProgressive)
{
    const std::string baseline = MidGreyJpeg(65500, 65500, JpegKind::Greyscale);
    const Rows corner = Decode(baseline, JpegPart{1, 8180, 8180, 8, 8}, 16 << 20);
    ASSERT_FALSE(corner.bytes.empty());
    EXPECT_TRUE(Near(corner.Pixel(7, 7), 0x808080, 1));

    const std::string progressive = MidGreyJpeg(4000, 3000, JpegKind::Greyscale, true);
    EXPECT_FALSE(Decode(progressive, JpegPart{1, 0, 0, 8, 8}, 64 << 20).bytes.empty());
    EXPECT_TRUE(Decode(progressive, JpegPart{1, 0, 0, 8, 8}, 16 << 20).bytes.empty());
    const std::string hostile = MidGreyJpeg(65500, 65500, JpegKind::Colour, true);
    EXPECT_TRUE(Decode(hostile, JpegPart{1, 0, 0, 8, 8}, 1 << 30).bytes.empty());
}

TEST(JpegCoveringScale, TheSmallestScaleWhoseSidesCoverTheNeed)
{
    const std::string file = MidGreyJpeg(6000, 4000, JpegKind::Greyscale);
    JpegSides sides;
    ASSERT_TRUE(JpegReadSides(Data(file), file.size(), &sides));
    const struct {
        std::uint64_t width, height;
        int scale;
    } needs[] = {
        {3240, 2160, 5},  // fitted to 3840 x 2160: 3750 x 2500
        {1620, 1080, 3},  // to 1920 x 1080: 2250 x 1500
        {750, 500, 1},    {751, 1, 2},  {1, 501, 2}, {0, 0, 1},
        {6000, 4000, 8},  {9000, 10, 8},
    };
    for (const auto& need : needs)
        EXPECT_EQ(JpegCoveringScale(&sides, need.width, need.height), need.scale)
            << need.width << " x " << need.height;
}
