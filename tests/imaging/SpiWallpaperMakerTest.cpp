#include "imaging/ImageLoader.h"
#include "imaging/ImageType.h"
#include "imaging/SpiManager.h"
#include "imaging/SpiWallpaperMaker.h"
#include "tests/imaging/SpiTestSupport.h"
#include "tests/plugins/TestPictureFormat.h"
#include "tests/support/Bytes.h"
#include "tests/support/FailureText.h"
#include "win32/GdiGuards.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using TestPicture::kFirstMagic;

// The 3 × 2 picture every depth encodes: red, green, blue over white, black, grey.
constexpr std::uint32_t kColours[6] = {0xFF0000, 0x00FF00, 0x0000FF,
                                       0xFFFFFF, 0x000000, 0x808080};
constexpr RECT kOwnSize = {0, 0, 3, 2};

std::string Quad(std::uint32_t rgb)
{
    return Le32(rgb & 0xFFFFFF);
}

std::string Palette(int entries)
{
    std::string table;
    for (int i = 0; i < entries; ++i)
        table += Quad(i < 6 ? kColours[i] : 0x404040);
    return table;
}

std::uint16_t To555(std::uint32_t rgb)
{
    return static_cast<std::uint16_t>((((rgb >> 19) & 0x1F) << 10) | (((rgb >> 11) & 0x1F) << 5)
                                      | ((rgb >> 3) & 0x1F));
}

struct Depth {
    std::uint16_t bits;
    std::string info;    // header and table
    std::string bottom;  // bottom row (white, black, grey), padded
    std::string top;     // top row (red, green, blue), padded
};

std::vector<Depth> EveryDepth()
{
    std::string bgr[6];
    std::string bgrx[6];
    std::string rgb555[6];
    for (int i = 0; i < 6; ++i) {
        bgr[i] = Quad(kColours[i]).substr(0, 3);
        bgrx[i] = Quad(kColours[i]);
        rgb555[i] = Le16(To555(kColours[i]));
    }
    const std::string pad1(1, '\0');
    const std::string pad2(2, '\0');
    const std::string pad3(3, '\0');
    std::string onePalette = Quad(0x000000) + Quad(0xFFFFFF);
    return {
        // 1 bit shows black and white only: top 1 0 1, bottom 0 1 0.
        {1, InfoBlock(3, 2, 1, onePalette), std::string("\x40", 1) + pad3,
         std::string("\xA0", 1) + pad3},
        {4, InfoBlock(3, 2, 4, Palette(16)), std::string("\x34\x50", 2) + pad2,
         std::string("\x01\x20", 2) + pad2},
        {8, InfoBlock(3, 2, 8, Palette(6), BI_RGB, 6), std::string("\x03\x04\x05", 3) + pad1,
         std::string("\x00\x01\x02", 3) + pad1},
        {16, InfoBlock(3, 2, 16), rgb555[3] + rgb555[4] + rgb555[5] + pad2,
         rgb555[0] + rgb555[1] + rgb555[2] + pad2},
        {24, InfoBlock(3, 2, 24), bgr[3] + bgr[4] + bgr[5] + pad3,
         bgr[0] + bgr[1] + bgr[2] + pad3},
        {32, InfoBlock(3, 2, 32), bgrx[3] + bgrx[4] + bgrx[5], bgrx[0] + bgrx[1] + bgrx[2]},
    };
}

// What each depth shows at (x, y) from the top.
std::uint32_t Expected(std::uint16_t bits, int x, int y)
{
    if (bits == 1)
        return (x + y) % 2 == 0 ? 0xFFFFFF : 0x000000;
    const std::uint32_t colour = kColours[y * 3 + x];
    // Five bits widened by repeating them: 0x80 → 16 → 0x84.
    return bits == 16 && colour == 0x808080 ? 0x848484 : colour;
}

class SpiWallpaperMakerTest : public testing::Test {
protected:
    TempDir dir;
    CSpiManager manager{MakePluginFolder(dir, {"tpic1.spi"})};

    std::string Picture(const std::string& name, const std::string& info,
                        const std::string& pixels)
    {
        return dir.File(name, TestPictureBytes(kFirstMagic, info, pixels));
    }
    std::string LoadFailure(const std::string& info, const std::string& pixels)
    {
        const std::string path = Picture("fault.tp", info, pixels);
        return FailureText([&] { CSpiWallpaperMaker maker(path, manager); });
    }
};

}  // namespace

TEST_F(SpiWallpaperMakerTest, EveryDepthIsWrittenFittedWithItsColours)
{
    for (const Depth& depth : EveryDepth()) {
        SCOPED_TRACE(depth.bits);
        const CSpiWallpaperMaker maker(Picture("p.tp", depth.info, depth.bottom + depth.top),
                                       manager);
        EXPECT_EQ(maker.Width(), 3);
        EXPECT_EQ(maker.Height(), 2);
        maker.WriteFittedBitmap(dir / "fitted.bmp", kOwnSize, false);
        const BmpFile fitted(dir / "fitted.bmp");
        ASSERT_EQ(fitted.BitCount(), 24);
        ASSERT_EQ(fitted.Width(), 3);
        ASSERT_EQ(fitted.Height(), 2);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(fitted.Pixel(x, y), Expected(depth.bits, x, y)) << x << "," << y;
        }
        maker.WriteFittedBitmap(dir / "large.bmp", RECT{0, 0, 6, 4}, false);
        const BmpFile large(dir / "large.bmp");
        EXPECT_EQ(large.Width(), 6);
        EXPECT_EQ(large.Height(), 4);
        EXPECT_EQ(large.Pixel(0, 3), Expected(depth.bits, 0, 1)) << "first row in memory";
    }
}

TEST_F(SpiWallpaperMakerTest, EveryDepthOfEightBitsOrMoreIsWrittenAtItsOwnSize)
{
    for (const Depth& depth : EveryDepth()) {
        SCOPED_TRACE(depth.bits);
        const CSpiWallpaperMaker maker(Picture("p.tp", depth.info, depth.bottom + depth.top),
                                       manager);
        const std::string out = dir / "own.bmp";
        DeleteFileA(out.c_str());
        if (depth.bits < 8) {
            EXPECT_EQ(FailureText([&] { maker.WriteBitmap(out); }), "not support less than 8bit");
            continue;
        }
        maker.WriteBitmap(out);
        const BmpFile own(out);
        ASSERT_EQ(own.Width(), 3);
        ASSERT_EQ(own.Height(), 2);
        if (depth.bits == 8) {
            ASSERT_EQ(own.BitCount(), 8);
            EXPECT_EQ(own.OffBits(), 1078u);
            EXPECT_EQ(own.Pixel(0, 0), 0u);
            EXPECT_EQ(own.Pixel(2, 1), 5u);
            EXPECT_EQ(own.bytes.substr(54, 24), Palette(6));
            continue;
        }
        ASSERT_EQ(own.BitCount(), 24) << "16 and 32 bits are written as converted";
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(own.Pixel(x, y), Expected(depth.bits, x, y)) << x << "," << y;
        }
    }
}

TEST_F(SpiWallpaperMakerTest, TopDownPicturesComeOutUpright)
{
    for (const Depth& depth : EveryDepth()) {
        SCOPED_TRACE(depth.bits);
        std::string info = depth.info;
        Put32(info, 8, static_cast<std::uint32_t>(-2));
        const CSpiWallpaperMaker maker(Picture("p.tp", info, depth.top + depth.bottom), manager);
        EXPECT_EQ(maker.Height(), 2);
        maker.WriteFittedBitmap(dir / "fitted.bmp", kOwnSize, false);
        const BmpFile fitted(dir / "fitted.bmp");
        EXPECT_EQ(fitted.Pixel(0, 0), Expected(depth.bits, 0, 0));
        EXPECT_EQ(fitted.Pixel(2, 1), Expected(depth.bits, 2, 1));
    }
}

TEST_F(SpiWallpaperMakerTest, SixteenBitFieldsAreHonoured)
{
    std::string masks;
    for (std::uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu})
        masks += Le32(mask);
    // 5-6-5: pure red, pure green, then green 1 of 6 bits (→ 4).
    const std::string row = Le16(0xF800) + Le16(0x07E0) + Le16(0x0020) + std::string(2, '\0');
    const CSpiWallpaperMaker maker(
        Picture("p.tp", InfoBlock(3, 1, 16, masks, BI_BITFIELDS), row), manager);
    maker.WriteBitmap(dir / "own.bmp");
    const BmpFile own(dir / "own.bmp");
    EXPECT_EQ(own.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(own.Pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(own.Pixel(2, 0), 0x000400u);
}

TEST_F(SpiWallpaperMakerTest, OutputThatCannotBeReadSafelyIsRefused)
{
    const std::string rows(16, '\0');
    const std::string bad = "Failed Spi Load Picture";
    EXPECT_EQ(LoadFailure(InfoBlock(2, 2, 24).substr(0, 39), rows), bad) << "short info block";
    EXPECT_EQ(LoadFailure(InfoBlock(0, 2, 24), rows), bad);
    EXPECT_EQ(LoadFailure(InfoBlock(2, 0, 24), rows), bad);
    EXPECT_EQ(LoadFailure(InfoBlock(70000, 1, 24), std::string(210000, '\0')), bad);
    EXPECT_EQ(LoadFailure(InfoBlock(2, 2, 2, Palette(4)), rows), bad) << "bit count 2";
    EXPECT_EQ(LoadFailure(InfoBlock(2, 2, 8, Palette(256), BI_RLE8), rows), bad);
    EXPECT_EQ(LoadFailure(InfoBlock(2, 2, 24, std::string(12, '\xFF'), BI_BITFIELDS), rows), bad);
    EXPECT_EQ(LoadFailure(InfoBlock(2, 2, 24), rows.substr(0, 15)), bad) << "pixels cut short";
    EXPECT_EQ(LoadFailure(InfoBlock(2, 2, 8, Palette(5), BI_RGB, 6), rows), bad)
        << "table shorter than it claims";
    EXPECT_EQ(LoadFailure(InfoBlock(2, 2, 8, Palette(255)), rows), bad)
        << "a full table is implied";
    EXPECT_EQ(LoadFailure(InfoBlock(2, 2, 16, std::string(), BI_BITFIELDS), rows), bad)
        << "bit fields missing";
    EXPECT_EQ(LoadFailure(InfoBlock(2, -2, 24), rows), "(nothing thrown)");
}

TEST_F(SpiWallpaperMakerTest, AFourBitPictureCanBePreviewed)
{
    // Solid colour (index 1 = green), so the halftone stretch cannot blur it.
    const std::string rows = std::string("\x11\x10", 2) + std::string(2, '\0');
    const CSpiWallpaperMaker maker(
        Picture("p.tp", InfoBlock(3, 2, 4, Palette(16)), rows + rows), manager);
    BITMAPINFO info;
    void* bits = nullptr;
    const UniqueGdiObject canvas = CWallpaperMaker::CreateDib24(info, bits, 180, 135);
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.get(), canvas.get());
    maker.DrawPreview(dc.get(), RECT{0, 0, 180, 135});
    GdiFlush();
    // 3:2 in a 4:3 box: 120 rows high from row 7; grey bands above and below.
    EXPECT_EQ(GetPixel(dc.get(), 90, 67), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc.get(), 90, 2), RGB(192, 192, 192));
}

TEST(SpiImageLoader, FrontDoorHandsPluginFilesToTheCurrentManager)
{
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"tpic1.spi"});
    const std::string picture = dir.File(
        "p.tp", TestPictureBytes(kFirstMagic, InfoBlock(1, 1, 24), std::string("\3\2\1\0", 4)));
    EXPECT_EQ(FailureText([&] { CImageLoader(nullptr).Load(picture); }),
              "サポートしていないフォーマットです");
    const std::unique_ptr<CSpiManager> plugins = LoadSpiManager(folder);
    CImageLoader loader(plugins.get());
    loader.MakeWallpaper(picture, dir / "out.bmp");
    EXPECT_EQ(BmpFile(dir / "out.bmp").Pixel(0, 0), 0x010203u);
    dir.File("q.tp", "garbage");
    EXPECT_EQ(FailureText([&] { loader.Load(dir / "q.tp"); }), "Failed Spi Load Picture");
    EXPECT_FALSE(loader.IsLoaded());
    EXPECT_EQ(FailureText([&] { loader.Load(dir / "r.unknown"); }),
              "サポートしていないフォーマットです");
}
