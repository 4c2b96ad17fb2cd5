// JPEG files through the loader: each job decodes at the smallest scale that still covers
// what it makes, then the scaler (or a copy at exactly that size) does the rest.
#include "imaging/ImageLoader.h"

#include "ImagingTestUtil.h"
#include "imaging/BilinearFill.h"
#include "imaging/DesktopFit.h"
#include "imaging/JpegDecode.h"
#include "portable/DibLayout.h"
#include "tests/support/ExifBlock.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestJpeg.h"
#include "tests/support/WholeFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Bottom-up 24-bit rows, as a DIB and the pixel rows of a BMP file hold them.
struct Rows {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> bytes;
};

std::size_t Stride(std::int32_t width)
{
    return static_cast<std::size_t>(DibStride(static_cast<std::uint64_t>(width), 24));
}

// The whole picture at scale/8, straight from the decoding unit.
Rows Decoded(const std::string& jpeg, int scale)
{
    const auto* file = reinterpret_cast<const std::uint8_t*>(jpeg.data());
    JpegSides sides;
    EXPECT_TRUE(JpegReadSides(file, jpeg.size(), &sides));
    Rows rows{static_cast<std::int32_t>(sides.width[scale - 1]),
              static_cast<std::int32_t>(sides.height[scale - 1]), {}};
    const std::size_t stride = Stride(rows.width);
    rows.bytes.resize(stride * rows.height);
    const JpegPart whole{scale, 0, 0, sides.width[scale - 1], sides.height[scale - 1]};
    EXPECT_TRUE(JpegDecode(file, jpeg.size(), &whole, 64 << 20,
                           rows.bytes.data() + stride * (rows.height - 1),
                           -static_cast<std::ptrdiff_t>(stride)));
    return rows;
}

// What today's scaler makes of those pixels shown under orientation at width x height.
Rows Scaled(const Rows& source, int orientation, std::int32_t width, std::int32_t height)
{
    Rows out{width, height, std::vector<std::uint8_t>(Stride(width) * height)};
    const TurnedView view = TurnView(orientation, source.width, source.height);
    if (view.width == width && view.height == height)
        CopyTurned(source.bytes.data(), view, out.bytes.data());
    else
        BilinearFill(source.bytes.data(), view, out.bytes.data(), width, height);
    return out;
}

std::string PixelRows(const std::string& bmp)
{
    return bmp.substr(54);
}

std::string Bytes(const Rows& rows)
{
    return std::string(rows.bytes.begin(), rows.bytes.end());
}

std::uint32_t Noise(int x, int y)
{
    return static_cast<std::uint32_t>((x * 2654435761u) ^ (y * 40503u) ^ (x * y * 97u)) & 0xFFFFFF;
}

}  // namespace

// 400 x 300, 4:2:0. Enlarged, the whole decode is scaled exactly as the scaler scales any
// picture; reduced, the decode is the smallest M/8 that covers the fitted size.
TEST(JpegWallpaperMaker, FittedIsTheScalerOverTheSmallestCoveringDecode)
{
    TempDir dir;
    const std::string jpeg = EncodedJpeg(400, 300, JpegStyle{JpegColours::YCbCr, 2, 2}, Noise);
    const struct {
        int orientation;
        RECT desktop;
        int scale;
        std::int32_t width, height;  // fitted
    } cases[] = {
        {1, {0, 0, 800, 640}, 8, 800, 600},
        {1, {0, 0, 200, 150}, 4, 200, 150},  // 4/8 is exactly the fitted size: a copy
        {1, {0, 0, 190, 150}, 4, 190, 142},
        {1, {0, 0, 60, 45}, 2, 60, 45},      // 100 x 75 covers it, 50 x 38 does not
        {6, {0, 0, 150, 200}, 4, 150, 200},  // turned a quarter: the stored sides cover
        {6, {0, 0, 600, 1000}, 8, 600, 800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.orientation << ": " << c.desktop.right << " x "
                                        << c.desktop.bottom);
        const std::string path =
            dir.File("photo.jpg", c.orientation == 1 ? jpeg : WithExif(jpeg, OrientationTiff(6)));
        CImageLoader(nullptr).MakeFittedWallpaper(path, dir / "WALLTMP.bmp", c.desktop, false);
        const std::string written = ReadWholeFile(dir / "WALLTMP.bmp");
        ASSERT_EQ(BmpField32(written, 18), c.width);
        ASSERT_EQ(BmpField32(written, 22), c.height);
        EXPECT_TRUE(PixelRows(written) ==
                    Bytes(Scaled(Decoded(jpeg, c.scale), c.orientation, c.width, c.height)));
    }
}

// Own size on a canvas: only the part that shows is decoded, and it is the whole decode's.
TEST(JpegWallpaperMaker, OwnSizeOnACanvasIsThePartThatShows)
{
    TempDir dir;
    const std::string jpeg = EncodedJpeg(400, 300, JpegStyle{JpegColours::YCbCr, 2, 1}, Noise);
    const Rows whole = Decoded(jpeg, 8);
    for (const int orientation : {1, 6, 3}) {
        SCOPED_TRACE(orientation);
        const std::string path = dir.File(
            "photo.jpg", orientation == 1 ? jpeg : WithExif(jpeg, OrientationTiff(orientation)));
        // One monitor of 101 x 77 at the canvas's origin, a second place off it.
        CImageLoader(nullptr).MakeMonitorWallpaper(
            {{path, RECT{0, 0, 101, 77}}}, RECT{0, 0, 101, 77}, POINT{0, 0}, PictureFit::Own,
            RGB(0, 0, 0), dir / "WALLTMP.bmp");
        const Rows shown = Scaled(whole, orientation, orientation == 6 ? 300 : 400,
                                  orientation == 6 ? 400 : 300);
        // Centred: the odd pixel left over goes to the right and bottom.
        const std::int32_t left = (shown.width - 101) / 2;
        const std::int32_t top = (shown.height - 77) / 2;
        Rows expected{101, 77, std::vector<std::uint8_t>(Stride(101) * 77)};
        for (std::int32_t row = 0; row < 77; ++row) {
            const std::uint8_t* from = shown.bytes.data() +
                                       Stride(shown.width) * (shown.height - top - 77 + row) +
                                       std::size_t(left) * 3;
            std::copy(from, from + 101 * 3, expected.bytes.data() + Stride(101) * row);
        }
        EXPECT_TRUE(PixelRows(ReadWholeFile(dir / "WALLTMP.bmp")) == Bytes(expected));
    }
}

TEST(JpegWallpaperMaker, PreviewIsTheScalerOverTheEighthScale)
{
    TempDir dir;
    const std::string jpeg = EncodedJpeg(1600, 1200, JpegStyle{}, Noise);
    const Canvas canvas(180, 135);
    CImageLoader(nullptr).DrawPreview(dir.File("photo.jpeg", jpeg), canvas.Dc(),
                                      RECT{0, 0, 180, 135});
    const Rows expected = Scaled(Decoded(jpeg, 1), 1, 180, 135);
    int wrong = 0;
    for (int y = 0; y < 135; ++y) {
        for (int x = 0; x < 180; ++x) {
            const std::uint8_t* bgr =
                expected.bytes.data() + Stride(180) * (134 - y) + std::size_t(x) * 3;
            const Rgb seen = canvas.Pixel(x, y);
            wrong += seen.red != bgr[2] || seen.green != bgr[1] || seen.blue != bgr[0];
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
    const std::string good = EncodedJpeg(64, 64, JpegStyle{}, Noise);
    const std::string before = "the previous wallpaper";
    for (const std::string& file :
         {twelveBit, good.substr(0, 100), std::string("GIF89a"), std::string(),
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

// The format's largest picture is fitted from its 1/8 decode, 8188 x 8188.
TEST(JpegWallpaperMaker, TheLargestBaselinePictureChangesFitted)
{
    TempDir dir;
    const std::string path =
        dir.File("huge.jpg", MidGreyJpeg(65500, 65500, JpegKind::Colour));
    CImageLoader(nullptr).MakeFittedWallpaper(path, dir / "WALLTMP.bmp", RECT{0, 0, 1280, 1024},
                                              false);
    const std::string written = ReadWholeFile(dir / "WALLTMP.bmp");
    const auto fit = FitSize(65500, 65500, 1280, 1024);
    ASSERT_EQ(BmpField32(written, 18), fit->width);
    ASSERT_EQ(BmpField32(written, 22), fit->height);
    EXPECT_TRUE(ColourNear(BmpPixel(written, 512, 512), Rgb{128, 128, 128}, 1));
}
