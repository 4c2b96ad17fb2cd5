#include "imaging/SpiManager.h"
#include "imaging/SpiWallpaperMaker.h"
#include "tests/imaging/SpiTestSupport.h"
#include "tests/support/Bytes.h"
#include "tests/support/FailureText.h"
#include "tests/support/TestPng.h"
#include "tests/support/TestTiff.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

namespace {

// One 32-bit image; bgra: bottom-up rows.
std::string Ico(std::uint8_t width, std::uint8_t height, const std::string& bgra)
{
    const std::string mask(((width + 31) / 32) * 4 * height, '\0');
    const std::string image = Le32(40) + Le32(width) + Le32(height * 2u) + Le16(1) + Le16(32)
                              + std::string(24, '\0') + bgra + mask;
    return std::string("\0\0\1\0\1\0", 6) + static_cast<char>(width) + static_cast<char>(height)
           + std::string(2, '\0') + Le16(1) + Le16(32)
           + Le32(static_cast<std::uint32_t>(image.size())) + Le32(22) + image;
}

// The four pixels of every fixture, from the top: opaque red, half-transparent green /
// fully transparent blue, opaque brown.
const std::string kRgba = std::string("\xFF\0\0\xFF" "\0\xFF\0\x80" "\0\0\xFF\0" "\xC8\x64\x32\xFF", 16);
constexpr std::uint32_t kComposited[4] = {0xFF0000, 0x008000, 0x000000, 0xC86432};

class SpiIfWicTest : public testing::Test {
protected:
    TempDir dir;
    CSpiManager manager{OwnPluginFolder()};

    void ExpectDecodes(const std::string& name, const std::string& bytes,
                       const std::uint32_t (&expected)[4])
    {
        SCOPED_TRACE(name);
        const std::string path = dir.File(name, bytes);
        ASSERT_GE(manager.FindPlugin(path), 0);
        const CSpiWallpaperMaker maker(path, manager);
        maker.WriteBitmap(dir / "out.bmp");
        const BmpFile out(dir / "out.bmp");
        ASSERT_EQ(out.BitCount(), 24);
        ASSERT_EQ(out.Width(), 2);
        ASSERT_EQ(out.Height(), 2);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(out.Pixel(i % 2, i / 2), expected[i]) << i;
    }
};

}  // namespace

TEST_F(SpiIfWicTest, DecodesPngWithAlphaOverBlack)
{
    ExpectDecodes("picture.png", Png(2, 2, kRgba), kComposited);
}

TEST_F(SpiIfWicTest, DecodesTiff)
{
    const std::uint32_t expected[4] = {0x0A141E, 0x28323C, 0x46505A, 0x646E78};
    ExpectDecodes("picture.tif", Tiff(2, 2, "\x0A\x14\x1E\x28\x32\x3C\x46\x50\x5A\x64\x6E\x78"),
                  expected);
}

TEST_F(SpiIfWicTest, DecodesIcoWithAlphaOverBlack)
{
    std::string bgra;
    for (int row : {1, 0}) {
        for (int x = 0; x < 2; ++x) {
            const std::string px = kRgba.substr((row * 2 + x) * 4, 4);
            bgra += std::string{px[2], px[1], px[0], px[3]};
        }
    }
    ExpectDecodes("picture.ico", Ico(2, 2, bgra), kComposited);
}

TEST_F(SpiIfWicTest, JudgesByContentNotByName)
{
    EXPECT_GE(manager.FindPlugin(dir.File("disguised.dat", Png(2, 2, kRgba))), 0);
    EXPECT_EQ(manager.FindPlugin(dir.File("notes.txt", "This is a text file.\r\n")), -1);
    EXPECT_EQ(manager.FindPlugin(dir.File("fake.png", "This is a text file.\r\n")), -1);
}

TEST_F(SpiIfWicTest, TruncatedOrCorruptPicturesFailCleanly)
{
    const std::string png = Png(2, 2, kRgba);
    const std::string truncated = dir.File("truncated.png", png.substr(0, 40));
    EXPECT_EQ(FailureText([&] { CSpiWallpaperMaker maker(truncated, manager); }),
              "Failed Spi Load Picture");
    std::string scrambled = png;
    for (std::size_t i = 16; i < scrambled.size(); ++i)
        scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5A);
    const std::string corrupt = dir.File("corrupt.png", scrambled);
    EXPECT_EQ(FailureText([&] { CSpiWallpaperMaker maker(corrupt, manager); }),
              "Failed Spi Load Picture");
    const std::string headOnly = dir.File("head.png", png.substr(0, 8));
    EXPECT_EQ(FailureText([&] { CSpiWallpaperMaker maker(headOnly, manager); }),
              "Failed Spi Load Picture");
}

TEST_F(SpiIfWicTest, LeavesTheCallersComAsItFoundIt)
{
    const std::string path = dir.File("picture.png", Png(2, 2, kRgba));
    HRESULT afterUninitialised = E_FAIL;
    HRESULT afterMultithreaded = E_FAIL;
    std::string decoded;
    std::string decodedInMta;
    std::thread([&] {
        decoded = FailureText([&] { CSpiWallpaperMaker maker(path, manager); });
        // Our own apartment was undone: a different one can be entered.
        afterUninitialised = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterUninitialised)) {
            decodedInMta = FailureText([&] { CSpiWallpaperMaker again(path, manager); });
            afterMultithreaded = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            CoUninitialize();
            CoUninitialize();
        }
    }).join();
    EXPECT_EQ(decoded, "(nothing thrown)");
    EXPECT_EQ(afterUninitialised, S_OK);
    EXPECT_EQ(decodedInMta, "(nothing thrown)") << "a caller's multithreaded apartment serves";
    EXPECT_EQ(afterMultithreaded, S_FALSE) << "still the caller's apartment, once";
}
