#include "imaging/WallpaperMaker.h"

#include "ImagingTestUtil.h"
#include "tests/support/TempDir.h"
#include "tests/support/WholeFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

BITMAPINFO Header(int width, int height, int bitCount)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitCount);
    return info;
}

std::vector<unsigned char> Pattern(std::size_t size)
{
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 1);
    return bytes;
}

// Memory that faults when touched: reading from it makes WriteFile fail.
class NoAccessPage {
public:
    NoAccessPage() : page_(VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS)) {}
    ~NoAccessPage() { VirtualFree(page_, 0, MEM_RELEASE); }
    const void* get() const { return page_; }

private:
    void* page_;
};

}  // namespace

TEST(SaveBitmapFile, TwentyFourBitFile)
{
    TempDir dir;
    const BITMAPINFO info = Header(5, 3, 24);
    const std::vector<unsigned char> bits = Pattern(48);
    CWallpaperMaker::SaveBitmapFile(dir / "out.bmp", info, bits.data());

    const std::string file = ReadWholeFile(dir / "out.bmp");
    ASSERT_EQ(file.size(), 54u + 48u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(BmpField32(file, 2), 102);
    EXPECT_EQ(BmpField32(file, 6), 0);
    EXPECT_EQ(BmpField32(file, 10), 54);
    EXPECT_EQ(std::memcmp(file.data() + 14, &info.bmiHeader, 40), 0);
    EXPECT_EQ(std::memcmp(file.data() + 54, bits.data(), 48), 0);
}

TEST(SaveBitmapFile, EightBitFileCarriesTheWholeColourTable)
{
    TempDir dir;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info = {Header(3, 2, 8).bmiHeader, {}};
    for (int i = 0; i < 256; ++i)
        info.colours[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(255 - i), 7, 0};
    const std::vector<unsigned char> bits = Pattern(8);
    CWallpaperMaker::SaveBitmapFile(dir / "out.bmp", reinterpret_cast<BITMAPINFO&>(info),
                                    bits.data());

    const std::string file = ReadWholeFile(dir / "out.bmp");
    ASSERT_EQ(file.size(), 1078u + 8u);
    EXPECT_EQ(BmpField32(file, 2), 1086);
    EXPECT_EQ(BmpField32(file, 10), 1078);
    EXPECT_EQ(std::memcmp(file.data() + 14, &info, 1064), 0);
    EXPECT_EQ(std::memcmp(file.data() + 1078, bits.data(), 8), 0);
}

TEST(SaveBitmapFile, ShortColourTableIsNeverReadPastItsEnd)
{
    // A header and two colour entries at the very end of readable memory.
    TempDir dir;
    void* pages = VirtualAlloc(nullptr, 8192, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(pages, nullptr);
    DWORD old = 0;
    VirtualProtect(static_cast<char*>(pages) + 4096, 4096, PAGE_NOACCESS, &old);
    const std::size_t blockSize = sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD);
    auto* info = reinterpret_cast<BITMAPINFO*>(static_cast<char*>(pages) + 4096 - blockSize);
    info->bmiHeader = Header(4, 1, 8).bmiHeader;
    info->bmiHeader.biClrUsed = 2;
    info->bmiColors[0] = RGBQUAD{1, 2, 3, 0};
    info->bmiColors[1] = RGBQUAD{4, 5, 6, 0};
    const unsigned char bits[4] = {0, 1, 1, 0};
    CWallpaperMaker::SaveBitmapFile(dir / "out.bmp", *info, bits);
    const std::string file = ReadWholeFile(dir / "out.bmp");
    VirtualFree(pages, 0, MEM_RELEASE);

    ASSERT_EQ(file.size(), 1078u + 4u);
    EXPECT_EQ(file.substr(54, 8), std::string("\1\2\3\0\4\5\6\0", 8));
    EXPECT_EQ(file.substr(62, 1016), std::string(1016, '\0'));
}

TEST(SaveBitmapFile, FewerThanEightBitsIsRefusedBeforeAnyFileIsTouched)
{
    TempDir dir;
    const std::string existing = dir.File("WALLTMP.bmp", "old wallpaper");
    const std::vector<unsigned char> bits = Pattern(64);
    for (int bitCount : {1, 4}) {
        EXPECT_EQ(FailureText<MakerFailure>([&] {
                      CWallpaperMaker::SaveBitmapFile(existing, Header(8, 8, bitCount),
                                                      bits.data());
                  }),
                  "not support less than 8bit");
        EXPECT_EQ(FailureText<MakerFailure>([&] {
                      CWallpaperMaker::SaveBitmapFile(dir / "new.bmp", Header(8, 8, bitCount),
                                                      bits.data());
                  }),
                  "not support less than 8bit");
    }
    EXPECT_EQ(ReadWholeFile(existing), "old wallpaper");
    EXPECT_FALSE(FileExists(dir / "new.bmp"));
    EXPECT_FALSE(FileExists(dir / "WALLTMP.bm~"));
}

TEST(SaveBitmapFile, MissingFolderFailsCreateFile)
{
    TempDir dir;
    const std::vector<unsigned char> bits = Pattern(16);
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  CWallpaperMaker::SaveBitmapFile(dir / "missing\\WALLTMP.bmp",
                                                  Header(1, 4, 24), bits.data());
              }),
              "failed CreateFile");
}

TEST(SaveBitmapFile, ExistingTargetIsReplacedWhole)
{
    TempDir dir;
    const std::string target = dir.File("WALLTMP.bmp", std::string(5000, 'x'));
    const std::vector<unsigned char> bits = Pattern(4);
    CWallpaperMaker::SaveBitmapFile(target, Header(1, 1, 24), bits.data());
    EXPECT_EQ(ReadWholeFile(target).size(), 58u);
    EXPECT_FALSE(FileExists(dir / "WALLTMP.bm~"));
}

TEST(SaveBitmapFile, FailedWriteLeavesTheTargetUntouched)
{
    TempDir dir;
    const std::string target = dir.File("WALLTMP.bmp", "old wallpaper");
    const NoAccessPage unreadable;
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  CWallpaperMaker::SaveBitmapFile(target, Header(16, 16, 24), unreadable.get());
              }),
              "failed WriteBitmap");
    EXPECT_EQ(ReadWholeFile(target), "old wallpaper");
    EXPECT_FALSE(FileExists(dir / "WALLTMP.bm~"));
}

TEST(SaveBitmapFile, TargetThatCannotBeReplacedStaysAsItWas)
{
    TempDir dir;
    const std::string target = dir.File("WALLTMP.bmp", "old wallpaper");
    const UniqueFile held(CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    const std::vector<unsigned char> bits = Pattern(4);
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  CWallpaperMaker::SaveBitmapFile(target, Header(1, 1, 24), bits.data());
              }),
              "failed CreateFile");
    EXPECT_EQ(ReadWholeFile(target), "old wallpaper");
    EXPECT_FALSE(FileExists(dir / "WALLTMP.bm~"));
}

// A one-shot run beside the resident run may write the same file at the same moment.
TEST(SaveBitmapFile, TwoWritersAtOnceBothSucceed)
{
    TempDir dir;
    const std::string target = dir / "WALLTMP.bmp";
    const std::vector<unsigned char> bits = Pattern(300 * 200 * 3);
    auto write = [&] {
        int failures = 0;
        for (int i = 0; i < 100; ++i) {
            failures += FailureText<MakerFailure>([&] {
                CWallpaperMaker::SaveBitmapFile(target, Header(300, 200, 24), bits.data());
            }) != "(nothing thrown)";
        }
        return failures;
    };
    int otherFailures = 0;
    std::thread other([&] { otherFailures = write(); });
    EXPECT_EQ(write(), 0);
    other.join();
    EXPECT_EQ(otherFailures, 0);
    EXPECT_EQ(ReadWholeFile(target).size(), 54u + bits.size());
}

// After a change the system reads the new wallpaper for a moment; the next change waits.
TEST(SaveBitmapFile, TargetReadForAMomentIsReplacedOnceLetGo)
{
    TempDir dir;
    const std::string target = dir.File("WALLTMP.bmp", "old wallpaper");
    UniqueFile held(CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    std::thread reader([&] {
        Sleep(200);
        held.reset();
    });
    const std::vector<unsigned char> bits = Pattern(4);
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  CWallpaperMaker::SaveBitmapFile(target, Header(1, 1, 24), bits.data());
              }),
              "(nothing thrown)");
    reader.join();
    EXPECT_EQ(ReadWholeFile(target).size(), 58u);
}

TEST(SaveBitmapFile, SizesBeyondThirtyTwoBitsAreRefused)
{
    TempDir dir;
    const unsigned char bits[4] = {};
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  CWallpaperMaker::SaveBitmapFile(dir / "out.bmp", Header(70000, 70000, 24),
                                                  bits);
              }),
              "invalid bitmap size");
    EXPECT_EQ(FailureText<MakerFailure>([&] {
                  CWallpaperMaker::SaveBitmapFile(dir / "out.bmp", Header(-5, 5, 24), bits);
              }),
              "invalid bitmap size");
    EXPECT_FALSE(FileExists(dir / "out.bmp"));
}
