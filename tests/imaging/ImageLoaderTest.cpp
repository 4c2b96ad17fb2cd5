#include "imaging/ImageLoader.h"

#include "ImagingTestUtil.h"
#include "imaging/ImageType.h"
#include "imaging/SpiManager.h"
#include "tests/support/ExifBlock.h"
#include "tests/support/TempDir.h"
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
    for (const std::string name : {"photo.png", "photo.jpeg", "noextension"}) {
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

    loader.MakeFittedWallpaper(FixturePath("quad.gif"), dir / "WALLTMP.bmp", RECT{0, 0, 40, 20});
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

// wide.jpg: 32 x 16, its left half red and its right half blue. Each tag turns it once,
// whichever decoder made the pixels: the OLE loader (.jpg) or our plug-in (.jpeg).
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
        for (const char* extension : {".jpg", ".jpeg"}) {
            SCOPED_TRACE(testing::Message() << row.orientation << extension);
            const std::string path = dir.File(
                std::string("tagged") + extension, WithExif(wide, OrientationTiff(row.orientation)));
            const bool portrait = row.orientation >= 5;
            loader.MakeWallpaper(path, dir / "own.bmp");
            const std::string own = ReadWholeFile(dir / "own.bmp");
            EXPECT_EQ(BmpField32(own, 18), portrait ? 16 : 32);
            EXPECT_EQ(BmpField32(own, 22), portrait ? 32 : 16);
            loader.MakeFittedWallpaper(path, dir / "fitted.bmp", RECT{0, 0, 64, 64});
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
