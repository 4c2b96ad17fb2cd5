#include "plugins/ifwic/BgraToDib.h"
#include "plugins/ifwic/ImageSignature.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

ImageFormat Sniff(const std::string& head)
{
    return SniffImageFormat(reinterpret_cast<const std::uint8_t*>(head.data()), head.size());
}

std::string WithSize(std::string head, std::size_t size)
{
    head.resize(size, '\0');
    return head;
}

}  // namespace

TEST(SniffImageFormat, KnowsEachFormatByItsFirstBytes)
{
    EXPECT_EQ(Sniff(WithSize("\x89PNG\r\n\x1a\n", 64)), ImageFormat::Png);
    EXPECT_EQ(Sniff(WithSize(std::string("II*\0", 4), 64)), ImageFormat::Tiff);
    EXPECT_EQ(Sniff(WithSize(std::string("MM\0*", 4), 64)), ImageFormat::Tiff);
    EXPECT_EQ(Sniff(WithSize("II\xbc\x01", 64)), ImageFormat::JpegXr);
    EXPECT_EQ(Sniff(WithSize("\xff\xd8\xff\xe0", 64)), ImageFormat::Jpeg);
    EXPECT_EQ(Sniff(WithSize("GIF89a", 64)), ImageFormat::Gif);
    EXPECT_EQ(Sniff(WithSize(std::string("RIFF\x10\0\0\0WEBPVP8 ", 16), 64)), ImageFormat::Webp);
    EXPECT_EQ(Sniff(WithSize(std::string("\0\0\1\0\1\0", 6), 64)), ImageFormat::Ico);
    EXPECT_EQ(Sniff(WithSize(std::string("BM\0\0\0\0\0\0\0\0\0\0\0\0\x28\0\0\0", 18), 64)),
              ImageFormat::Bmp);
    EXPECT_EQ(Sniff(WithSize(std::string("\0\0\0\x18" "ftypheic", 12), 64)), ImageFormat::Heif);
    EXPECT_EQ(Sniff(WithSize(std::string("\0\0\0\x18" "ftypmif1", 12), 64)), ImageFormat::Heif);
}

TEST(SniffImageFormat, RefusesLookalikesAndShortHeads)
{
    EXPECT_EQ(Sniff(WithSize("This is a text file.", 2048)), ImageFormat::Unknown);
    EXPECT_EQ(Sniff(std::string(2048, '\0')), ImageFormat::Unknown);
    EXPECT_EQ(Sniff("\x89PNG"), ImageFormat::Unknown) << "cut signature";
    EXPECT_EQ(Sniff(WithSize(std::string("RIFF\x10\0\0\0WAVE", 12), 64)), ImageFormat::Unknown);
    EXPECT_EQ(Sniff(WithSize(std::string("\0\0\1\0\0\0", 6), 64)), ImageFormat::Unknown)
        << "icon directory without images";
    EXPECT_EQ(Sniff(WithSize("BMP files are nice", 64)), ImageFormat::Unknown);
    EXPECT_EQ(Sniff(WithSize(std::string("\0\0\0\x18" "ftypisom", 12), 64)),
              ImageFormat::Unknown)
        << "an MP4 video";
    EXPECT_EQ(SniffImageFormat(nullptr, 0), ImageFormat::Unknown);
}

TEST(BgraToBottomUpBgr24, CompositesOverBlackAndTurnsRowsBottomUp)
{
    // Two rows of two pixels: opaque, transparent / half, quarter alpha.
    const std::vector<std::uint8_t> bgra = {10, 20, 30, 255, 200, 200, 200, 0,
                                            255, 128, 0, 128, 100, 100, 100, 64};
    std::vector<std::uint8_t> dib(2 * 8, 0xEE);
    BgraToBottomUpBgr24(bgra.data(), 2, 2, dib.data());
    EXPECT_EQ(dib, (std::vector<std::uint8_t>{128, 64, 0, 25, 25, 25, 0, 0,
                                              10, 20, 30, 0, 0, 0, 0, 0}));
}
