#include "imaging/ImageLoader.h"

#include "ImagingTestUtil.h"
#include "imaging/ImageType.h"
#include "tests/support/TempDir.h"
#include "tests/support/WholeFile.h"

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
