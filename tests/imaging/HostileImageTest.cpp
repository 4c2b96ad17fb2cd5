// The hostile picture corpus through the image loading front door, as a wallpaper change
// uses it: each file ends in a failure text or a well-formed bitmap, and a failure leaves the
// previous WALLTMP.bmp exactly as it was.
#include "imaging/ImageLoader.h"
#include "imaging/ImageType.h"
#include "imaging/SpiManager.h"
#include "tests/imaging/HostileImages.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/TempDir.h"
#include "tests/support/WholeFile.h"
#include "win32/Directory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

namespace {

// A BMP as the writer makes it: 24-bit (or 8-bit with a table), sizes that agree.
::testing::AssertionResult WellFormedBmp(const std::string& file)
{
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M')
        return ::testing::AssertionFailure() << "no BMP header, " << file.size() << " bytes";
    const std::int32_t width = BmpField32(file, 18);
    const std::int32_t height = BmpField32(file, 22);
    const int bits = static_cast<unsigned char>(file[28]);
    if (width <= 0 || height == 0 || (bits != 24 && bits != 8))
        return ::testing::AssertionFailure() << width << " x " << height << " at " << bits;
    const std::int64_t stride = (std::int64_t{width} * bits + 31) / 32 * 4;
    const std::int64_t expected = BmpField32(file, 10) + stride * (height < 0 ? -height : height);
    if (static_cast<std::int64_t>(file.size()) != expected
        || BmpField32(file, 2) != static_cast<std::int32_t>(file.size()))
        return ::testing::AssertionFailure() << file.size() << " bytes, expected " << expected;
    return ::testing::AssertionSuccess();
}

class HostileImageTest : public testing::Test {
protected:
    void SetUp() override
    {
        previous = PatternBmp(3, 2);
        for (const HostileImage& image : HostileImageCorpus(FixturePath(""))) {
            if (image.folder)
                dir.Folder(image.name);
            else
                dir.File(image.name, image.bytes);
            names.push_back(image.name);
        }
        ASSERT_GE(names.size(), 200u);
    }

    // Every file through one kind of wallpaper making; counts the outcomes by text.
    void RunCorpus(const char* label, bool fitted, CSpiManager* plugins)
    {
        std::map<std::string, int> outcomes;
        double slowest = 0;
        std::string slowestName;
        for (const std::string& name : names) {
            SCOPED_TRACE(name);
            const std::string target = dir / "WALLTMP.bmp";
            dir.File("WALLTMP.bmp", previous);
            const auto start = std::chrono::steady_clock::now();
            CImageLoader loader(plugins);
            const std::string text = FailureText<MakerFailure>([&] {
                if (fitted)
                    loader.MakeFittedWallpaper(dir / name, target, RECT{0, 0, 1280, 1024}, false);
                else
                    loader.MakeWallpaper(dir / name, target);
            });
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (seconds > slowest) {
                slowest = seconds;
                slowestName = name;
            }
            ++outcomes[text];
            const std::string written = ReadWholeFile(target);
            if (text == "(nothing thrown)") {
                EXPECT_TRUE(WellFormedBmp(written));
            } else {
                EXPECT_FALSE(text.empty());
                EXPECT_EQ(written, previous) << text;
                EXPECT_FALSE(FileExists(dir / "WALLTMP.bm~"));
            }
        }
        // The figures of the reliability report.
        std::printf("%s: %zu files, slowest %.2f s (%s)\n", label, names.size(), slowest,
                    slowestName.c_str());
        for (const auto& [text, count] : outcomes)
            std::printf("  %4d  %s\n", count, text.c_str());
        EXPECT_LT(slowest, 10.0) << slowestName;
    }

    TempDir dir;
    std::string previous;
    std::vector<std::string> names;
};

}  // namespace

TEST_F(HostileImageTest, OwnSizeWithoutPlugins)
{
    RunCorpus("own size", false, nullptr);
}

TEST_F(HostileImageTest, FittedWithOurPlugin)
{
    const std::unique_ptr<CSpiManager> plugins = LoadSpiManager(GetModuleDirectory() + "\\plugins");
    RunCorpus("fitted, plug-in", true, plugins.get());
}

TEST_F(HostileImageTest, DamagedOrientationBlocksTurnNothing)
{
    CImageLoader loader(nullptr);
    loader.MakeWallpaper(FixturePath("quad.jpg"), dir / "upright.bmp");
    const std::string upright = ReadWholeFile(dir / "upright.bmp");
    int checked = 0;
    for (const std::string& name : names) {
        if (name.rfind("exif-", 0) != 0)
            continue;
        loader.MakeWallpaper(dir / name, dir / "WALLTMP.bmp");
        EXPECT_EQ(ReadWholeFile(dir / "WALLTMP.bmp"), upright) << name;
        ++checked;
    }
    EXPECT_EQ(checked, 7);
}

TEST_F(HostileImageTest, GoodStripsComeOutPixelForPixel)
{
    CImageLoader loader(nullptr);
    loader.MakeWallpaper(dir / "strip-1x20000.bmp", dir / "tall.bmp");
    const std::string tall = ReadWholeFile(dir / "tall.bmp");
    ASSERT_TRUE(WellFormedBmp(tall));
    EXPECT_EQ(BmpField32(tall, 18), 1);
    EXPECT_EQ(BmpField32(tall, 22), 20000);
    for (int y : {0, 1, 51, 19999}) {
        const Rgb pixel = BmpPixel(tall, 0, y);
        EXPECT_EQ(pixel.green, (y * 5) & 0xFF) << y;
        EXPECT_EQ(pixel.blue, 0x80) << y;
    }
    loader.MakeWallpaper(dir / "strip-20000x1.bmp", dir / "wide.bmp");
    const std::string wide = ReadWholeFile(dir / "wide.bmp");
    ASSERT_TRUE(WellFormedBmp(wide));
    EXPECT_EQ(BmpField32(wide, 18), 20000);
    for (int x : {0, 1, 37, 19999})
        EXPECT_EQ(BmpPixel(wide, x, 0).red, (x * 7) & 0xFF) << x;
}
