#include "imaging/ImageLoader.h"

#include "ImagingTestUtil.h"
#include "imaging/ImageType.h"
#include "imaging/SpiManager.h"
#include "tests/support/ExifBlock.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestTiff.h"
#include "tests/support/WholeFile.h"
#include "win32/Directory.h"

#include <gtest/gtest.h>

namespace {

const Rgb kLightGrey{192, 192, 192};

}  // namespace

TEST(ImageLoader, OtherTypesWithoutPluginsAreUnsupported)
{
    TempDir dir;
    CImageLoader loader(nullptr);
    for (const std::string name : {"photo.png", "photo.jpe", "noextension"}) {
        const std::string path = dir.File(name, "data");
        EXPECT_EQ(FailureText<MakerFailure>([&] { loader.Load(path); }), "サポートしていないフォーマットです");
        EXPECT_FALSE(loader.IsLoaded());
    }
}

TEST(ImageLoader, FailedSecondLoadLeavesTheLoaderEmpty)
{
    TempDir dir;
    CImageLoader loader(nullptr);
    loader.Load(FixturePath("quad.bmp"));
    EXPECT_TRUE(loader.IsLoaded());
    EXPECT_EQ(FailureText<MakerFailure>([&] { loader.Load(dir / "missing.gif"); }),
              "failed open file");
    EXPECT_FALSE(loader.IsLoaded());

    loader.Load(FixturePath("quad.gif"));
    EXPECT_EQ(FailureText<MakerFailure>([&] { loader.Load(dir / "other.png"); }),
              "サポートしていないフォーマットです");
    EXPECT_FALSE(loader.IsLoaded());
}

TEST(ImageLoader, MakesWallpaperAtItsOwnSizeOrFitted)
{
    TempDir dir;
    CImageLoader loader(nullptr);
    loader.MakeWallpaper(FixturePath("quad.jpg"), dir / "WALLTMP.bmp");
    EXPECT_EQ(BmpField32(ReadWholeFile(dir / "WALLTMP.bmp"), 18), 16);

    loader.MakeFittedWallpaper(FixturePath("quad.gif"), dir / "WALLTMP.bmp", RECT{0, 0, 40, 20}, false);
    const std::string file = ReadWholeFile(dir / "WALLTMP.bmp");
    EXPECT_EQ(BmpField32(file, 18), 20);
    EXPECT_EQ(BmpField32(file, 22), 20);
}

TEST(ImageLoader, PreviewCentresThePictureOnGrey)
{
    const Canvas canvas(180, 135);
    CImageLoader loader(nullptr);
    loader.DrawPreview(FixturePath("quad.gif"), canvas.Dc(), RECT{0, 0, 180, 135});
    // A square: 135 x 135 at x = 22.
    EXPECT_TRUE(ColourNear(canvas.Pixel(10, 67), kLightGrey, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(170, 67), kLightGrey, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(30, 10), Rgb{255, 0, 0}, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(150, 125), Rgb{255, 255, 0}, 0));
}

TEST(ImageLoader, PreviewPaintsGreyEvenWhenLoadingFails)
{
    TempDir dir;
    const Canvas canvas(180, 135);
    CImageLoader loader(nullptr);
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  loader.DrawPreview(dir / "missing.jpg", canvas.Dc(), RECT{0, 0, 180, 135});
              }),
              "failed open file");
    EXPECT_TRUE(ColourNear(canvas.Pixel(0, 0), kLightGrey, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(179, 134), kLightGrey, 0));
    EXPECT_FALSE(loader.IsLoaded());
}

// quad: red top-left and yellow bottom-right quarters. Monitors: the primary at (0, 0),
// 60 x 30, and one left of it, 40 x 20, lower by 5.
TEST(ImageLoader, ComposesOnePicturePerMonitorOnTheBackground)
{
    TempDir dir;
    CImageLoader loader(nullptr);
    const std::string quad = FixturePath("quad.bmp");
    const RECT screen = {-40, 0, 60, 30};
    const std::vector<MonitorPicture> pictures = {{quad, RECT{0, 0, 60, 30}},
                                                  {quad, RECT{-40, 5, 0, 25}}};
    const Rgb red{255, 0, 0}, yellow{255, 255, 0}, background{1, 2, 3};
    const std::string out = dir / "WALLTMP.bmp";
    loader.MakeMonitorWallpaper(pictures, screen, POINT{-40, 0}, PictureFit::Fit,
                                RGB(1, 2, 3), out);
    std::string file = ReadWholeFile(out);
    ASSERT_EQ(BmpField32(file, 18), 100);
    ASSERT_EQ(BmpField32(file, 22), 30);
    // Fitted: 30 x 30 at x 55 on the primary, 20 x 20 at (10, 5) on the left one.
    EXPECT_TRUE(ColourNear(BmpPixel(file, 57, 2), red, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 83, 28), yellow, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 45, 15), background, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 12, 7), red, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 28, 23), yellow, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 2, 15), background, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 20, 2), background, 0)) << "above the left monitor";

    // Filled, and turned round to start at the primary's corner: the left monitor comes
    // round on the right.
    loader.MakeMonitorWallpaper(pictures, screen, POINT{0, 0}, PictureFit::Fill, RGB(1, 2, 3),
                                out);
    file = ReadWholeFile(out);
    EXPECT_TRUE(ColourNear(BmpPixel(file, 1, 1), red, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 58, 28), yellow, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 61, 6), red, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 98, 23), yellow, 0));
    EXPECT_TRUE(ColourNear(BmpPixel(file, 62, 1), background, 0));

    // One file that fails leaves the last wallpaper as it was.
    const std::vector<MonitorPicture> broken = {{quad, RECT{0, 0, 60, 30}},
                                                {dir / "missing.bmp", RECT{-40, 5, 0, 25}}};
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  loader.MakeMonitorWallpaper(broken, screen, POINT{-40, 0}, PictureFit::Own,
                                              RGB(1, 2, 3), out);
              }),
              "failed open file");
    EXPECT_EQ(ReadWholeFile(out), file);
}

// Filled, the preview takes the desktop's shape inside the 4:3 box and is covered by the
// picture as the desktop will be.
TEST(ImageLoader, PreviewOfAFilledWallpaperCoversTheDesktopsShape)
{
    const Canvas canvas(180, 135);
    const RECT desktop = {0, 0, 1600, 900};
    CImageLoader(nullptr).DrawPreview(FixturePath("quad.bmp"), canvas.Dc(), RECT{0, 0, 180, 135},
                                      &desktop);
    // 180 x 101 at y = 17.
    EXPECT_TRUE(ColourNear(canvas.Pixel(90, 10), kLightGrey, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(1, 19), Rgb{255, 0, 0}, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(178, 116), Rgb{255, 255, 0}, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(90, 125), kLightGrey, 0));
}

// wide.jpg: 32 x 16, its left half red and its right half blue. Each tag turns it once,
// whichever decoder made the pixels: libjpeg-turbo (.jpg) or our plug-in (.jpe).
TEST(ImageLoader, TaggedPhotosAreShownTurnedEverywhere)
{
    TempDir dir;
    const std::unique_ptr<CSpiManager> plugins = LoadSpiManager(GetModuleDirectory() + "\\plugins");
    CImageLoader loader(plugins.get());
    const std::string wide = ReadWholeFile(FixturePath("wide.jpg"));
    const Rgb red{255, 0, 0};
    const Rgb blue{0, 0, 255};
    const struct {
        int orientation;
        Rgb topLeft, topRight, bottomLeft, bottomRight;  // quarters of the shown picture
    } rows[] = {{1, red, blue, red, blue}, {2, blue, red, blue, red}, {6, red, red, blue, blue},
                {8, blue, blue, red, red}};
    for (const auto& row : rows) {
        for (const char* extension : {".jpg", ".jpe"}) {
            SCOPED_TRACE(testing::Message() << row.orientation << extension);
            const std::string path = dir.File(
                std::string("tagged") + extension, WithExif(wide, OrientationTiff(row.orientation)));
            const bool portrait = row.orientation >= 5;
            loader.MakeWallpaper(path, dir / "own.bmp");
            const std::string own = ReadWholeFile(dir / "own.bmp");
            EXPECT_EQ(BmpField32(own, 18), portrait ? 16 : 32);
            EXPECT_EQ(BmpField32(own, 22), portrait ? 32 : 16);
            loader.MakeFittedWallpaper(path, dir / "fitted.bmp", RECT{0, 0, 64, 64}, false);
            const std::string fitted = ReadWholeFile(dir / "fitted.bmp");
            const int width = BmpField32(fitted, 18);
            const int height = BmpField32(fitted, 22);
            EXPECT_EQ(width, portrait ? 32 : 64);
            EXPECT_TRUE(ColourNear(BmpPixel(fitted, width / 4, height / 4), row.topLeft, 40));
            EXPECT_TRUE(ColourNear(BmpPixel(fitted, width * 3 / 4, height / 4), row.topRight, 40));
            EXPECT_TRUE(ColourNear(BmpPixel(fitted, width / 4, height * 3 / 4), row.bottomLeft, 40));
            EXPECT_TRUE(
                ColourNear(BmpPixel(fitted, width * 3 / 4, height * 3 / 4), row.bottomRight, 40));

            // The preview is laid out by the shown sides: a portrait leaves grey beside it.
            const Canvas canvas(160, 120);
            loader.DrawPreview(path, canvas.Dc(), RECT{0, 0, 160, 120});
            EXPECT_TRUE(ColourNear(canvas.Pixel(30, 60), portrait ? kLightGrey : row.topLeft, 40));
            EXPECT_TRUE(ColourNear(canvas.Pixel(70, 40), row.topLeft, 40));
            EXPECT_TRUE(ColourNear(canvas.Pixel(90, 80), row.bottomRight, 40));
        }
    }
}

// Writers built on the common TIFF library put the directory after the pixels, here far past
// the first 64 KiB; its orientation still turns the picture.
TEST(ImageLoader, ATiffDirectoryBehindItsPixelsIsRead)
{
    TempDir dir;
    const std::unique_ptr<CSpiManager> plugins = LoadSpiManager(GetModuleDirectory() + "\\plugins");
    CImageLoader loader(plugins.get());
    const std::string path =
        dir.File("late.tif", Tiff(300, 200, std::string(300 * 200 * 3, '\x40'), true, 6));
    loader.MakeWallpaper(path, dir / "own.bmp");
    const std::string own = ReadWholeFile(dir / "own.bmp");
    EXPECT_EQ(BmpField32(own, 18), 200);
    EXPECT_EQ(BmpField32(own, 22), 300);
}
