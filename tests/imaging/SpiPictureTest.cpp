#include "imaging/SpiPicture.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A BITMAPINFOHEADER of headerSize bytes followed by extra zero bytes (table or masks).
Bytes Info(std::int32_t width, std::int32_t height, std::uint16_t bits,
           std::uint32_t compression = 0, std::uint32_t clrUsed = 0, std::size_t extra = 0,
           std::uint32_t headerSize = 40)
{
    Bytes b(headerSize + extra, 0);
    Put32(b, 0, headerSize);
    Put32(b, 4, static_cast<std::uint32_t>(width));
    Put32(b, 8, static_cast<std::uint32_t>(height));
    b[12] = 1;
    Put16(b, 14, bits);
    Put32(b, 16, compression);
    Put32(b, 32, clrUsed);
    return b;
}

std::optional<SpiPictureLayout> Check(const Bytes& info, std::size_t pixelSize)
{
    return CheckSpiPicture(info.data(), info.size(), pixelSize);
}

}  // namespace

TEST(CheckSpiPicture, AcceptsEveryPlainDepthWithItsStride)
{
    const struct {
        std::uint16_t bits;
        std::size_t table;
        std::size_t stride;
    } cases[] = {{1, 8, 4}, {4, 64, 8}, {8, 1024, 12}, {16, 0, 20}, {24, 0, 28}, {32, 0, 36}};
    for (const auto& c : cases) {
        const auto layout = Check(Info(9, 3, c.bits, 0, 0, c.table), c.stride * 3);
        ASSERT_TRUE(layout) << c.bits;
        EXPECT_EQ(layout->stride, c.stride) << c.bits;
        EXPECT_EQ(layout->width, 9);
        EXPECT_EQ(layout->height, 3);
        EXPECT_FALSE(layout->topDown);
    }
}

TEST(CheckSpiPicture, RefusesHeadersThatCannotBeReadSafely)
{
    const Bytes good = Info(4, 4, 24);
    EXPECT_TRUE(Check(good, 48));
    EXPECT_FALSE(CheckSpiPicture(good.data(), 39, 48)) << "block smaller than the header";
    EXPECT_FALSE(CheckSpiPicture(nullptr, 0, 48));
    Bytes core = good;
    Put32(core, 0, 12);
    EXPECT_FALSE(Check(core, 48)) << "core header";
    Bytes claimsMore = good;
    Put32(claimsMore, 0, 44);
    EXPECT_FALSE(Check(claimsMore, 48)) << "header size beyond the block";
    EXPECT_FALSE(Check(Info(0, 4, 24), 48));
    EXPECT_FALSE(Check(Info(-4, 4, 24), 48));
    EXPECT_FALSE(Check(Info(4, 0, 24), 48));
    EXPECT_FALSE(Check(Info(kMaxPictureSide + 1, 1, 8, 0, 0, 1024), 1u << 20));
    EXPECT_FALSE(Check(Info(1, -kMaxPictureSide - 1, 8, 0, 0, 1024), 1u << 20));
    EXPECT_FALSE(Check(Info(1, INT32_MIN, 8, 0, 0, 1024), 1u << 20));
    for (std::uint16_t bits : {0, 2, 15, 48, 64})
        EXPECT_FALSE(Check(Info(4, 4, bits, 0, 0, 1024), 1024)) << bits;
}

TEST(CheckSpiPicture, RefusesCompressionOtherThanPlainOrBitFields)
{
    EXPECT_FALSE(Check(Info(4, 4, 8, 1, 0, 1024), 64)) << "BI_RLE8";
    EXPECT_FALSE(Check(Info(4, 4, 4, 2, 0, 64), 64)) << "BI_RLE4";
    EXPECT_FALSE(Check(Info(4, 4, 8, 3, 0, 1024), 64)) << "bit fields at 8 bits";
    EXPECT_FALSE(Check(Info(4, 4, 24, 3, 0, 12), 64)) << "bit fields at 24 bits";
    EXPECT_FALSE(Check(Info(4, 4, 32, 4, 0, 12), 64)) << "BI_JPEG";
    EXPECT_FALSE(Check(Info(4, 4, 16, 3), 64)) << "bit fields missing from the block";
    Bytes gaps = Info(4, 4, 16, 3, 0, 12);
    Put32(gaps, 40, 0xF00F);
    EXPECT_FALSE(Check(gaps, 64)) << "a mask with a gap";
}

TEST(CheckSpiPicture, ColourTableMustHoldWhatTheHeaderClaims)
{
    EXPECT_FALSE(Check(Info(4, 4, 8, 0, 0, 1020), 16)) << "256 entries implied, 255 present";
    EXPECT_FALSE(Check(Info(4, 4, 8, 0, 16, 60), 16));
    const auto sixteen = Check(Info(4, 4, 8, 0, 16, 64), 16);
    ASSERT_TRUE(sixteen);
    EXPECT_EQ(sixteen->colorCount, 16u);
    const auto tooMany = Check(Info(4, 4, 4, 0, 300, 64), 16);
    ASSERT_TRUE(tooMany) << "a count above the depth's is taken as the depth's";
    EXPECT_EQ(tooMany->colorCount, 16u);
    const auto afterV4 = Check(Info(4, 4, 1, 0, 0, 8, 108), 16);
    ASSERT_TRUE(afterV4) << "table after a larger header";
    EXPECT_FALSE(Check(Info(4, 4, 1, 0, 0, 4, 108), 16));
}

TEST(CheckSpiPicture, PixelBlockMustHoldStrideTimesHeight)
{
    EXPECT_TRUE(Check(Info(5, 7, 24), 16 * 7));
    EXPECT_FALSE(Check(Info(5, 7, 24), 16 * 7 - 1));
    EXPECT_FALSE(Check(Info(5, -7, 24), 16 * 7 - 1));
    EXPECT_FALSE(Check(Info(kMaxPictureSide, kMaxPictureSide, 32), 0xFFFFFFFFu))
        << "no overflow in stride × height";
}

TEST(NormalizeSpiPicture, TopDownRowsAreTurnedBottomUp)
{
    const Bytes info = Info(1, -3, 8, 0, 2, 8);
    const Bytes pixels = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0};
    const auto layout = Check(info, pixels.size());
    ASSERT_TRUE(layout);
    EXPECT_TRUE(layout->topDown);
    EXPECT_EQ(layout->height, 3);
    const SpiDib dib = NormalizeSpiPicture(*layout, info.data(), pixels.data());
    EXPECT_EQ(static_cast<std::int32_t>(Get32(dib.info, 8)), 3);
    EXPECT_EQ(dib.pixels, (Bytes{3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0}));
}

TEST(NormalizeSpiPicture, InfoBlockIsAFortyByteHeaderAndAFullPaddedTable)
{
    Bytes info = Info(4, 2, 8, 0, 2, 8, 108);
    const std::uint8_t table[8] = {10, 20, 30, 0, 40, 50, 60, 0};
    std::copy(table, table + 8, info.begin() + 108);
    const auto layout = Check(info, 8);
    ASSERT_TRUE(layout);
    const SpiDib dib = NormalizeSpiPicture(*layout, info.data(), Bytes(8).data());
    ASSERT_EQ(dib.info.size(), kDibInfoSize);
    EXPECT_EQ(Get32(dib.info, 0), 40u);
    EXPECT_EQ(Get32(dib.info, 32), 2u);
    EXPECT_TRUE(std::equal(table, table + 8, dib.info.begin() + 40));
    EXPECT_TRUE(std::all_of(dib.info.begin() + 48, dib.info.end(), [](auto b) { return b == 0; }));
}

TEST(NormalizeSpiPicture, ThirtyTwoBitsKeepTheirColoursExactly)
{
    const Bytes info = Info(2, -2, 32);
    // Top row: (1,2,3) (4,5,6); bottom row: (7,8,9) (250,251,252); the fourth byte is ignored.
    const Bytes pixels = {1, 2, 3, 99, 4, 5, 6, 99, 7, 8, 9, 99, 250, 251, 252, 99};
    const auto layout = Check(info, pixels.size());
    ASSERT_TRUE(layout);
    const SpiDib dib = NormalizeSpiPicture(*layout, info.data(), pixels.data());
    EXPECT_EQ(dib.info[14], 24);
    EXPECT_EQ(Get32(dib.info, 16), 0u);
    EXPECT_EQ(dib.pixels, (Bytes{7, 8, 9, 250, 251, 252, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0}));
}

TEST(NormalizeSpiPicture, SixteenBitsAreFiveFiveFiveUnlessBitFieldsSayOtherwise)
{
    // 0x7C00 red, 0x03E0 green, 0x0010 blue 16 → 16<<3 | 16>>2 = 132.
    const Bytes pixels = {0x00, 0x7C, 0xE0, 0x03, 0x10, 0x00, 0x00, 0x00};
    const Bytes plain = Info(3, 1, 16);
    const auto layout = Check(plain, pixels.size());
    ASSERT_TRUE(layout);
    EXPECT_EQ(NormalizeSpiPicture(*layout, plain.data(), pixels.data()).pixels,
              (Bytes{0, 0, 255, 0, 255, 0, 132, 0, 0, 0, 0, 0}));

    Bytes fields = Info(3, 1, 16, 3, 0, 12);
    Put32(fields, 40, 0xF800);
    Put32(fields, 44, 0x07E0);
    Put32(fields, 48, 0x001F);
    // 0xF800 red; 0x0020 green 1 of 6 bits → 1<<2 | 1>>4 = 4; 0x001F blue.
    const Bytes rgb565 = {0x00, 0xF8, 0x20, 0x00, 0x1F, 0x00, 0x00, 0x00};
    const auto layout565 = Check(fields, rgb565.size());
    ASSERT_TRUE(layout565);
    EXPECT_EQ(NormalizeSpiPicture(*layout565, fields.data(), rgb565.data()).pixels,
              (Bytes{0, 0, 255, 0, 4, 0, 255, 0, 0, 0, 0, 0}));
}

TEST(NormalizeSpiPicture, WideBitFieldsKeepTheirTopEightBits)
{
    Bytes fields = Info(1, 1, 32, 3, 0, 12);
    Put32(fields, 40, 0x3FF00000);
    Put32(fields, 44, 0x000FFC00);
    Put32(fields, 48, 0x000003FF);
    const std::uint32_t pixel = (0x3FFu << 20) | (0x200u << 10) | 0x003u;
    Bytes pixels(4);
    Put32(pixels, 0, pixel);
    const auto layout = Check(fields, pixels.size());
    ASSERT_TRUE(layout);
    EXPECT_EQ(NormalizeSpiPicture(*layout, fields.data(), pixels.data()).pixels,
              (Bytes{0, 128, 255, 0}));
}
