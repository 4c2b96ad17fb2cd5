#include "imaging/WallpaperMaker.h"

#include "ImagingTestUtil.h"
#include "ReferenceFill.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

namespace {

// A picture of a given size that records where it is asked to render and paints there.
class FakeMaker : public CWallpaperMaker {
public:
    FakeMaker(int width, int height) { SetSize(width, height); }
    void WriteStoredBitmap(const std::string&) const override {}
    StoredPixels Pixels24(std::int64_t, std::int64_t) const override { return {}; }
    void Render(HDC hdc, int x, int y, int cx, int cy) const override
    {
        renders.push_back({x, y, cx, cy});
        PatBlt(hdc, x, y, cx, cy, BLACKNESS);
    }
    mutable std::vector<std::array<int, 4>> renders;
};

std::vector<std::uint8_t> RandomDib24(int width, int height)
{
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> bytes(stride * height);
    std::mt19937 random(width * 31 + height);
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

const Rgb kLightGrey{192, 192, 192};
const Rgb kBlack{0, 0, 0};

}  // namespace

TEST(CreateDib24, HeaderAndZeroedPixels)
{
    BITMAPINFO info;
    std::memset(&info, 0x5A, sizeof info);
    void* bits = nullptr;
    const UniqueGdiObject bitmap = CWallpaperMaker::CreateDib24(info, bits, 5, 3);
    ASSERT_TRUE(bitmap);
    const BITMAPINFOHEADER& h = info.bmiHeader;
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 5);
    EXPECT_EQ(h.biHeight, 3);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 24);
    EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(h.biSizeImage + h.biXPelsPerMeter + h.biYPelsPerMeter + h.biClrUsed + h.biClrImportant,
              0u);
    const RGBQUAD zero = {};
    EXPECT_EQ(std::memcmp(&info.bmiColors[0], &zero, sizeof zero), 0);

    DIBSECTION section = {};
    ASSERT_EQ(GetObjectA(bitmap.get(), sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidthBytes, 16);
    EXPECT_EQ(std::vector<char>(static_cast<char*>(bits), static_cast<char*>(bits) + 48),
              std::vector<char>(48, 0));
}

TEST(CreateDib24, EmptyOrHugeSizesFail)
{
    BITMAPINFO info;
    void* bits = nullptr;
    for (const auto& size : {std::array<int, 2>{0, 10}, {10, 0}, {-4, 4}, {70000, 70000}}) {
        EXPECT_EQ(FailureText<MakerFailure>(
                      [&] { CWallpaperMaker::CreateDib24(info, bits, size[0], size[1]); }),
                  "failed DIB create");
    }
}

TEST(FitToDesktop, ScaledBytesAreTheReferenceBytes)
{
    const std::vector<std::uint8_t> src = RandomDib24(1024, 768);
    const FakeMaker picture(1024, 768);
    BITMAPINFO info;
    void* bits = nullptr;
    const UniqueGdiObject fitted =
        picture.FitToDesktop(info, bits, src.data(), RECT{0, 0, 1280, 1024});
    ASSERT_EQ(info.bmiHeader.biWidth, 1280);
    ASSERT_EQ(info.bmiHeader.biHeight, 960);
    EXPECT_EQ(info.bmiHeader.biBitCount, 24);

    std::vector<std::uint8_t> expected(3840 * 960);
    ReferenceFill(src.data(), 1024, 768, expected.data(), 1280, 960);
    EXPECT_EQ(std::memcmp(bits, expected.data(), expected.size()), 0);
}

TEST(FitToDesktop, ScaleOneCopiesWithoutResampling)
{
    const std::vector<std::uint8_t> src = RandomDib24(1024, 600);
    const FakeMaker picture(1024, 600);
    BITMAPINFO info;
    void* bits = nullptr;
    const UniqueGdiObject fitted =
        picture.FitToDesktop(info, bits, src.data(), RECT{100, 50, 1124, 818});
    ASSERT_EQ(info.bmiHeader.biWidth, 1024);
    ASSERT_EQ(info.bmiHeader.biHeight, 600);
    EXPECT_EQ(std::memcmp(bits, src.data(), src.size()), 0);
}

TEST(FitToDesktop, EmptyOrImpossibleSizesAreRefusedBeforeReadingPixels)
{
    BITMAPINFO info;
    void* bits = nullptr;
    const RECT desktop{0, 0, 1280, 1024};
    // No pixels are passed: a refusal must come before any is read.
    EXPECT_EQ(FailureText<MakerFailure>(
                  [&] { FakeMaker(0, 10).FitToDesktop(info, bits, nullptr, desktop); }),
              "invalid picture size");
    EXPECT_EQ(FailureText<MakerFailure>(
                  [&] { FakeMaker(10, -3).FitToDesktop(info, bits, nullptr, desktop); }),
              "invalid picture size");
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  FakeMaker(70000, 70000).FitToDesktop(info, bits, nullptr, desktop);
              }),
              "invalid picture size");
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  FakeMaker(10, 10).FitToDesktop(info, bits, nullptr, RECT{5, 5, 5, 100});
              }),
              "invalid desktop size");
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  FakeMaker(10, 10).FitToDesktop(info, bits, nullptr, RECT{0, 100, 100, 0});
              }),
              "invalid desktop size");
}

TEST(FitToDesktop, ThinPictureBecomesOneRow)
{
    // 20000 x 1 on 1280 x 1024: the height truncates to 0 and is kept at one row.
    const std::vector<std::uint8_t> src = RandomDib24(20000, 1);
    BITMAPINFO info;
    void* bits = nullptr;
    const UniqueGdiObject fitted =
        FakeMaker(20000, 1).FitToDesktop(info, bits, src.data(), RECT{0, 0, 1280, 1024});
    ASSERT_EQ(info.bmiHeader.biWidth, 1280);
    ASSERT_EQ(info.bmiHeader.biHeight, 1);
    std::vector<std::uint8_t> expected(3840);
    ReferenceFill(src.data(), 20000, 1, expected.data(), 1280, 1);
    EXPECT_EQ(std::memcmp(bits, expected.data(), expected.size()), 0);
}

TEST(DrawPreview, NarrowPictureCentredHorizontallyOnGrey)
{
    const Canvas canvas(180, 135);
    const FakeMaker picture(300, 400);
    picture.DrawPreview(canvas.Dc(), RECT{0, 0, 180, 135});
    ASSERT_EQ(picture.renders.size(), 1u);
    EXPECT_EQ(picture.renders[0], (std::array<int, 4>{39, 0, 101, 135}));
    EXPECT_TRUE(ColourNear(canvas.Pixel(0, 67), kLightGrey, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(179, 67), kLightGrey, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(90, 67), kBlack, 0));
}

TEST(DrawPreview, EmptyPictureIsRefusedAfterTheGreyFill)
{
    const Canvas canvas(180, 135);
    const FakeMaker picture(0, 0);
    EXPECT_EQ(FailureText<MakerFailure>(
                  [&] { picture.DrawPreview(canvas.Dc(), RECT{0, 0, 180, 135}); }),
              "invalid picture size");
    EXPECT_TRUE(picture.renders.empty());
    EXPECT_TRUE(ColourNear(canvas.Pixel(90, 67), kLightGrey, 0));
}
