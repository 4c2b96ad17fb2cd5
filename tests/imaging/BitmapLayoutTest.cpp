#include "imaging/BitmapLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(BitmapLayout, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(RowBytes(1, 24), 4u);
    EXPECT_EQ(RowBytes(5, 24), 16u);
    EXPECT_EQ(RowBytes(4, 24), 12u);
    EXPECT_EQ(RowBytes(3, 8), 4u);
    EXPECT_EQ(RowBytes(5, 8), 8u);
    EXPECT_EQ(RowBytes(0, 24), 0u);
    EXPECT_EQ(RowBytes(3, 32), 12u);
    EXPECT_EQ(ImageBytes(5, 3, 24), 48u);
    EXPECT_EQ(ImageBytes(5, -3, 24), 48u);
}

TEST(BitmapLayout, CountsBeyondThirtyTwoBitsAreRefused)
{
    const std::int32_t maxInt = std::numeric_limits<std::int32_t>::max();
    EXPECT_FALSE(RowBytes(-1, 24));
    EXPECT_FALSE(RowBytes(maxInt, 32));
    EXPECT_FALSE(ImageBytes(65536, 65536, 24));
    EXPECT_FALSE(ImageBytes(1, std::numeric_limits<std::int32_t>::min(), 32 * 8));
    EXPECT_TRUE(ImageBytes(maxInt, 1, 8));
    EXPECT_FALSE(Dib24Bytes(0, 5));
    EXPECT_FALSE(Dib24Bytes(5, 0));
    EXPECT_FALSE(Dib24Bytes(-5, 5));
    EXPECT_FALSE(Dib24Bytes(std::int64_t{1} << 32, 1));
    EXPECT_FALSE(Dib24Bytes(40000, 40000));
    EXPECT_EQ(Dib24Bytes(1, 1), 4u);
}

TEST(BitmapLayout, InfoBlockHoldsAPaletteOnlyAtEightBits)
{
    EXPECT_EQ(BmpInfoSize(8), 1064u);
    EXPECT_EQ(BmpInfoSize(24), 40u);
    EXPECT_EQ(BmpInfoSize(32), 40u);
    EXPECT_EQ(BmpInfoSize(16), 40u);
    EXPECT_EQ(PaletteEntriesPresent(0), 256u);
    EXPECT_EQ(PaletteEntriesPresent(16), 16u);
    EXPECT_EQ(PaletteEntriesPresent(256), 256u);
    EXPECT_EQ(PaletteEntriesPresent(70000), 256u);
}

TEST(BitmapLayout, FileHeaderBytes)
{
    const BmpFileHeaderBytes header = *BmpFileHeader(40, 48);
    const BmpFileHeaderBytes expected = {'B', 'M', 102, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    EXPECT_EQ(header, expected);

    const BmpFileHeaderBytes eight = *BmpFileHeader(1064, 0x01020304);
    const std::uint32_t size = 0x01020304 + 1078;
    EXPECT_EQ(eight[2], size & 0xFF);
    EXPECT_EQ(eight[3], (size >> 8) & 0xFF);
    EXPECT_EQ(eight[4], (size >> 16) & 0xFF);
    EXPECT_EQ(eight[5], size >> 24);
    EXPECT_EQ(eight[10], 1078 & 0xFF);
    EXPECT_EQ(eight[11], 1078 >> 8);

    EXPECT_FALSE(BmpFileHeader(1064, std::numeric_limits<std::uint32_t>::max() - 1000));
    EXPECT_TRUE(BmpFileHeader(40, std::numeric_limits<std::uint32_t>::max() - 54));
}
