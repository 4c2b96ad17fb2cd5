// JPEG files through the loader: each job decodes at the smallest scale that still covers
// what it makes, then the scaler (or a copy at exactly that size) does the rest.
#include "imaging/ImageLoader.h"

#include "ImagingTestUtil.h"
#include "imaging/BilinearFill.h"
#include "tests/support/ExifBlock.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestJpeg.h"
#include "tests/support/WholeFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// What the scaler makes of the pixels shown under orientation at width x height, as the
// pixel rows of a BMP file.
std::string Scaled(const JpegRows& source, int orientation, std::int32_t width,
                   std::int32_t height)
{
    std::string out((std::size_t(width) * 3 + 3) / 4 * 4 * height, '\0');
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data());
    const TurnedView view = TurnView(orientation, source.width, source.height);
    if (view.width == width && view.height == height)
        CopyTurned(source.bytes.data(), view, dst);
    else
        BilinearFill(source.bytes.data(), view, dst, width, height);
    return out;
}

std::uint32_t Noise(int x, int y)
{
    return static_cast<std::uint32_t>((x * 2654435761u) ^ (y * 40503u) ^ (x * y * 97u)) & 0xFFFFFF;
}

std::string Tagged(const std::string& jpeg, int orientation)
{
    return orientation == 1 ? jpeg : WithExif(jpeg, OrientationTiff(orientation));
}

}  // namespace

// 400 x 300, 4:2:0. Enlarged, the whole decode is scaled as the scaler scales any picture;
// reduced, the decode is the smallest M/8 that covers the fitted size in stored sides.
TEST(JpegWallpaperMaker, FittedIsTheScalerOverTheSmallestCoveringDecode)
{
    TempDir dir;
    const std::string jpeg = EncodedJpeg(400, 300, JpegStyle{JpegColours::YCbCr, 2, 2}, Noise);
    const struct {
        int orientation;
        LONG desktopWidth, desktopHeight;
        int scale;
        std::int32_t width, height;  // fitted
    } cases[] = {
        {1, 800, 640, 8, 800, 600}, {1, 200, 150, 4, 200, 150},  // 4/8 is the size: a copy
        {1, 190, 150, 4, 190, 142}, {1, 60, 45, 2, 60, 45},      // 1/8 is 50 x 38
        {6, 150, 200, 4, 150, 200}, {6, 600, 1000, 8, 600, 800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.orientation << ": " << c.desktopWidth);
        const std::string path = dir.File("photo.jpg", Tagged(jpeg, c.orientation));
        CImageLoader(nullptr).MakeFittedWallpaper(
            path, dir / "WALLTMP.bmp", RECT{0, 0, c.desktopWidth, c.desktopHeight}, false);
        const std::string written = ReadWholeFile(dir / "WALLTMP.bmp");
        ASSERT_EQ(BmpField32(written, 18), c.width);
        ASSERT_EQ(BmpField32(written, 22), c.height);
        EXPECT_TRUE(written.substr(54) ==
                    Scaled(DecodedJpeg(jpeg, JpegPart{c.scale, 0, 0, 0, 0}), c.orientation,
                           c.width, c.height));
    }
}

// At its own size on a monitor, only the part that shows is decoded; it is the whole
// picture's part under every orientation.
TEST(JpegWallpaperMaker, OwnSizeOnACanvasIsThePartThatShows)
{
    TempDir dir;
    const std::string jpeg = EncodedJpeg(400, 300, JpegStyle{JpegColours::YCbCr, 2, 1}, Noise);
    const JpegRows whole = DecodedJpeg(jpeg, JpegPart{8, 0, 0, 0, 0});
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const std::string path = dir.File("photo.jpg", Tagged(jpeg, orientation));
        CImageLoader(nullptr).MakeMonitorWallpaper({{path, RECT{0, 0, 101, 77}}},
                                                   RECT{0, 0, 101, 77}, POINT{0, 0},
                                                   PictureFit::Own, RGB(0, 0, 0), dir / "out.bmp");
        const bool turned = orientation >= 5;
        const std::string shown = Scaled(whole, orientation, turned ? 300 : 400, turned ? 400 : 300);
        // Centred; the odd pixel left over goes to the right and bottom.
        const std::size_t stride = turned ? 900 : 1200;
        const std::size_t left = ((turned ? 300 : 400) - 101) / 2;
        const std::size_t bottom = (turned ? 400 : 300) - 77 - ((turned ? 400 : 300) - 77) / 2;
        std::string expected;
        for (std::size_t row = 0; row < 77; ++row)
            expected += shown.substr((bottom + row) * stride + left * 3, 303) + '\0';
        EXPECT_TRUE(ReadWholeFile(dir / "out.bmp").substr(54) == expected);
    }
}

TEST(JpegWallpaperMaker, PreviewIsTheScalerOverTheEighthScale)
{
    TempDir dir;
    const std::string jpeg = EncodedJpeg(1600, 1200, JpegStyle{}, Noise);
    const Canvas canvas(180, 135);
    CImageLoader(nullptr).DrawPreview(dir.File("photo.jpeg", jpeg), canvas.Dc(),
                                      RECT{0, 0, 180, 135});
    const std::string expected = Scaled(DecodedJpeg(jpeg, JpegPart{1, 0, 0, 0, 0}), 1, 180, 135);
    int wrong = 0;
    for (int y = 0; y < 135; ++y) {
        for (int x = 0; x < 180; ++x) {
            const char* bgr = &expected[540 * (134 - y) + std::size_t(x) * 3];
            const Rgb seen = canvas.Pixel(x, y);
            wrong += seen.red != std::uint8_t(bgr[2]) || seen.green != std::uint8_t(bgr[1]) ||
                     seen.blue != std::uint8_t(bgr[0]);
        }
    }
    EXPECT_EQ(wrong, 0);
}

// Refused as the picture service refused: the same text, and nothing is written.
TEST(JpegWallpaperMaker, WhatLibjpegRefusesFailsOleLoadAndWritesNothing)
{
    TempDir dir;
    std::string twelveBit = MidGreyJpeg(64, 64, JpegKind::Greyscale);
    twelveBit[twelveBit.find("\xFF\xC0") + 4] = 12;
    const std::string before = "the previous wallpaper";
    for (const std::string& file :
         {twelveBit, EncodedJpeg(64, 64, JpegStyle{}, Noise).substr(0, 100), std::string("GIF89a"),
          std::string(),
          // Its coefficients alone would take 2.4 GB: beyond the decoder's limit.
          MidGreyJpeg(40000, 30000, JpegKind::Greyscale, true)}) {
        const std::string path = dir.File("photo.jpg", file);
        const std::string out = dir.File("WALLTMP.bmp", before);
        EXPECT_EQ(FailureText<MakerFailure>([&] {
                      CImageLoader(nullptr).MakeFittedWallpaper(path, out, RECT{0, 0, 64, 48},
                                                                false);
                  }),
                  "failed ole load")
            << file.size();
        EXPECT_EQ(ReadWholeFile(out), before);
    }
}
