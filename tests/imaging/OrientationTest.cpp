#include "imaging/BilinearFill.h"
#include "imaging/BitmapLayout.h"
#include "imaging/ExifOrientation.h"
#include "imaging/Orientation.h"
#include "tests/support/Bytes.h"
#include "tests/support/ExifBlock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace {

int OrientationOf(const std::string& file)
{
    return PictureOrientation(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
}

// SOI, a JFIF APP0 block, and a start of scan.
const std::string kJpeg = std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20) +
                          std::string("\xFF\xDA\x00\x02", 4);

// Every pixel differs: byte k of pixel (x, y) counted from the top is x, y, k + 1 mixed.
std::vector<std::uint8_t> Distinct(std::int32_t width, std::int32_t height)
{
    const std::size_t stride = *RowBytes(width, 24);
    std::vector<std::uint8_t> dib(*Dib24Bytes(width, height));
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            for (int k = 0; k < 3; ++k)
                dib[(height - 1 - y) * stride + x * 3 + k] =
                    static_cast<std::uint8_t>(x * 37 + y * 101 + k * 13 + (x * y) % 7);
        }
    }
    return dib;
}

}  // namespace

TEST(PictureOrientation, ReadsTheTagAndTrustsNothingElse)
{
    for (std::uint32_t value = 1; value <= 8; ++value) {
        EXPECT_EQ(OrientationOf(WithExif(kJpeg, OrientationTiff(value))), int(value));
        EXPECT_EQ(OrientationOf(WithExif(kJpeg, OrientationTiff(value, true))), int(value));
    }
    EXPECT_EQ(OrientationOf(OrientationTiff(6)), 6) << "a TIFF file";
    std::string late = OrientationTiff(6);
    Put32(late, 4, 0x10008);
    late.insert(8, std::string(0x10000, '\0'));
    EXPECT_EQ(OrientationOf(late), 6) << "its directory behind 64 KiB of pixels";

    const std::string tiff = OrientationTiff(6);
    std::string wrongType = tiff;
    wrongType[24] = 4;  // LONG
    std::string twoValues = tiff;
    twoValues[26] = 2;
    std::string selfPointing = tiff;
    Put32(selfPointing, 4, 0);  // IFD0 at the header: 0x4949 entries
    std::string outside = tiff;
    Put32(outside, 4, 0xFFFFFFF0);
    std::string hugeCount = tiff;
    Put16(hugeCount, 8, 0xFFFF);
    std::string pastTheEnd = tiff;
    Put16(pastTheEnd, 8, 3);
    std::string cut = WithExif(kJpeg, tiff);
    cut.resize(cut.size() - kJpeg.size() + 2 - 8);  // the orientation entry half there
    const std::string beyondHead =
        kJpeg.substr(0, 2) + "\xFF\xE2\xFF\xFF" + std::string(0xFFFD, '\0') +
        WithExif(kJpeg, tiff).substr(2);
    const std::string rows[] = {
        "",
        kJpeg,
        WithExif(kJpeg, OrientationTiff(0)),
        WithExif(kJpeg, OrientationTiff(9)),
        WithExif(kJpeg, OrientationTiff(65535)),
        WithExif(kJpeg, wrongType),
        WithExif(kJpeg, twoValues),
        WithExif(kJpeg, selfPointing),
        WithExif(kJpeg, outside),
        WithExif(kJpeg, hugeCount),
        outside,
        pastTheEnd,
        cut,
        beyondHead,
        WithExif(kJpeg, tiff).insert(2, "\xFF\xE0\x00\x01"),  // a length shorter than itself
    };
    for (std::size_t row = 0; row < std::size(rows); ++row)
        EXPECT_EQ(OrientationOf(rows[row]), 1) << "row " << row;
}

TEST(TurnView, ShowsEachOrientationAsTheTagMeans)
{
    // Stored, from the top: a b c / d e f. Shown under each tag, from the top, row by row.
    const char* shown[] = {"abcdef", "cbafed", "fedcba", "defabc",
                           "adbecf", "daebfc", "fcebda", "cfbead"};
    const std::vector<std::uint8_t> stored = {'d', 'd', 'd', 'e', 'e', 'e', 'f', 'f', 'f', 0, 0, 0,
                                              'a', 'a', 'a', 'b', 'b', 'b', 'c', 'c', 'c', 0, 0, 0};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const TurnedView view = TurnView(orientation, 3, 2);
        std::vector<std::uint8_t> turned(*Dib24Bytes(view.width, view.height));
        CopyTurned(stored.data(), view, turned.data());
        const std::size_t stride = *RowBytes(view.width, 24);
        std::string text;
        for (std::int32_t y = view.height - 1; y >= 0; --y) {
            for (std::int32_t x = 0; x < view.width; ++x)
                text += static_cast<char>(turned[y * stride + x * 3]);
        }
        EXPECT_EQ(text, shown[orientation - 1]) << orientation;
    }
}

TEST(BilinearFill, ThroughATurnEqualsTurningFirst)
{
    const struct {
        std::int32_t width, height, outWidth, outHeight;
    } sizes[] = {{61, 37, 19, 23}, {13, 9, 50, 41}, {300, 200, 97, 150}};
    for (const auto& size : sizes) {
        const std::vector<std::uint8_t> src = Distinct(size.width, size.height);
        for (int orientation = 1; orientation <= 8; ++orientation) {
            SCOPED_TRACE(testing::Message() << size.width << "x" << size.height << " turn "
                                            << orientation);
            const TurnedView view = TurnView(orientation, size.width, size.height);
            std::vector<std::uint8_t> turned(*Dib24Bytes(view.width, view.height));
            CopyTurned(src.data(), view, turned.data());
            const std::size_t outBytes = *Dib24Bytes(size.outWidth, size.outHeight);
            std::vector<std::uint8_t> expected(outBytes, 0xAB);
            BilinearFill(turned.data(), view.width, view.height, expected.data(), size.outWidth,
                         size.outHeight, 1);
            for (unsigned threads : {1u, 3u}) {
                std::vector<std::uint8_t> actual(outBytes, 0xAB);
                BilinearFill(src.data(), view, actual.data(), size.outWidth, size.outHeight,
                             threads);
                EXPECT_EQ(actual, expected) << threads << " threads";
            }
        }
    }
}
