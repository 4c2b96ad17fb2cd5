#include "imaging/OleWallpaperMaker.h"

#include "ImagingTestUtil.h"
#include "tests/support/TempDir.h"
#include "tests/support/WholeFile.h"
#include "win32/GdiGuards.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <vector>

namespace {

// The fixtures are 16 x 16 in four 8 x 8 quarters: red, green over blue, yellow.
const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kYellow{255, 255, 0};

// JPEG is lossy; the other two keep their colours exactly.
int Tolerance(const std::string& name)
{
    return name.find(".jpg") != std::string::npos ? 6 : 0;
}

void ExpectQuarters(const std::string& file, int size, int tolerance)
{
    const int a = size / 4;
    const int b = size - 1 - size / 4;
    EXPECT_TRUE(ColourNear(BmpPixel(file, a, a), kRed, tolerance));
    EXPECT_TRUE(ColourNear(BmpPixel(file, b, a), kGreen, tolerance));
    EXPECT_TRUE(ColourNear(BmpPixel(file, a, b), kBlue, tolerance));
    EXPECT_TRUE(ColourNear(BmpPixel(file, b, b), kYellow, tolerance));
}

// This process's private bytes (under Wine: its anonymous resident memory, which also
// holds the pixels of device-dependent bitmaps); 0 when they cannot be read.
std::size_t PrivateBytes()
{
    // Looked up at run time: the test programs do not link psapi.
    using GetInfo = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    const UniqueModule psapi(LoadLibraryA("psapi.dll"));
    const auto get = psapi ? reinterpret_cast<GetInfo>(reinterpret_cast<void (*)()>(
                                 GetProcAddress(psapi.get(), "GetProcessMemoryInfo")))
                           : nullptr;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (get == nullptr || !get(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return counters.PagefileUsage;
}

}  // namespace

TEST(OleWallpaperMaker, DecodesAndWritesEachFormat)
{
    TempDir dir;
    for (const std::string name : {"quad.bmp", "quad.gif", "quad.jpg"}) {
        SCOPED_TRACE(name);
        const COleWallpaperMaker picture(FixturePath(name));
        EXPECT_EQ(picture.Width(), 16);
        EXPECT_EQ(picture.Height(), 16);

        picture.WriteBitmap(dir / "WALLTMP.bmp");
        const std::string file = ReadWholeFile(dir / "WALLTMP.bmp");
        ASSERT_EQ(file.size(), 54u + 16 * 48);
        EXPECT_EQ(BmpField32(file, 10), 54);
        EXPECT_EQ(BmpField32(file, 18), 16);
        EXPECT_EQ(BmpField32(file, 22), 16);
        ExpectQuarters(file, 16, Tolerance(name));
    }
}

TEST(OleWallpaperMaker, WritesFittedToTheDesktop)
{
    TempDir dir;
    for (const std::string name : {"quad.bmp", "quad.gif", "quad.jpg"}) {
        SCOPED_TRACE(name);
        const COleWallpaperMaker picture(FixturePath(name));
        // 16 x 16 on 64 x 48: the height rule, s = 3, a 48 x 48 picture.
        picture.WriteFittedBitmap(dir / "WALLTMP.bmp", RECT{0, 0, 64, 48}, false);
        const std::string file = ReadWholeFile(dir / "WALLTMP.bmp");
        ASSERT_EQ(file.size(), 54u + 48 * 144);
        EXPECT_EQ(BmpField32(file, 18), 48);
        EXPECT_EQ(BmpField32(file, 22), 48);
        ExpectQuarters(file, 48, Tolerance(name));
    }
}

TEST(OleWallpaperMaker, OneInchAtNinetySixDpiIsNinetySixPixels)
{
    const int dpi = GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX);
    if (dpi != 96)
        GTEST_SKIP() << "the screen has " << dpi << " dpi";

    TempDir dir;
    BITMAPINFO info;
    void* bits = nullptr;
    const UniqueGdiObject bitmap = CWallpaperMaker::CreateDib24(info, bits, 96, 2);
    CWallpaperMaker::SaveBitmapFile(dir / "inch.bmp", info, bits);
    const COleWallpaperMaker picture(dir / "inch.bmp");
    EXPECT_EQ(picture.Width(), 96);
    EXPECT_EQ(picture.Height(), 2);
}

TEST(OleWallpaperMaker, DestroyedPicturesGiveTheirMemoryBack)
{
    if (sizeof(void*) == 8)
        GTEST_SKIP() << "measured for the 32-bit program; 64-bit Wine's picture service differs";
    TempDir dir;
    BITMAPINFO info;
    void* bits = nullptr;
    {
        const UniqueGdiObject bitmap = CWallpaperMaker::CreateDib24(info, bits, 2000, 1500);
        CWallpaperMaker::SaveBitmapFile(dir / "large.bmp", info, bits);
    }
    { const COleWallpaperMaker first(dir / "large.bmp"); }
    const std::size_t before = PrivateBytes();
    if (before == 0)
        GTEST_SKIP() << "no memory counters";
    for (int i = 0; i < 4; ++i)
        const COleWallpaperMaker picture(dir / "large.bmp");
    // A picture lost at each load would leave four of 12 MB behind.
    EXPECT_LT(PrivateBytes(), before + 8 * 1024 * 1024);
}

TEST(OleWallpaperMaker, RendersUprightIntoADeviceContext)
{
    const COleWallpaperMaker picture(FixturePath("quad.gif"));
    const Canvas canvas(32, 32);
    picture.Render(canvas.Dc(), 0, 0, 32, 32);
    EXPECT_TRUE(ColourNear(canvas.Pixel(4, 4), kRed, 0));
    EXPECT_TRUE(ColourNear(canvas.Pixel(27, 27), kYellow, 0));
}

TEST(OleWallpaperMaker, UndecodableDataFailsOleLoad)
{
    TempDir dir;
    const std::string text = dir.File("notes.jpg", "these are not the pixels you are looking for");
    EXPECT_EQ(FailureText<MakerFailure>([&] { COleWallpaperMaker picture(text); }),
              "failed ole load");
    const std::string empty = dir.File("empty.gif", "");
    EXPECT_EQ(FailureText<MakerFailure>([&] { COleWallpaperMaker picture(empty); }),
              "failed ole load");
}

TEST(OleWallpaperMaker, AFileLongerThanTheDecoderCountsIsRefusedUnread)
{
    // 2 GiB, sparse: the decoder takes its length as a signed 32-bit number.
    TempDir dir;
    const std::string path = dir.File("huge.jpg", "");
    {
        const UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
        LARGE_INTEGER end = {};
        end.QuadPart = 0x80000000LL;
        ASSERT_TRUE(SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) &&
                    SetEndOfFile(file.get()));
    }
    EXPECT_EQ(FailureText<MakerFailure>([&] { COleWallpaperMaker picture(path); }),
              "over filesize");
}

TEST(OleWallpaperMaker, MissingFileOrFolderFailsOpenFile)
{
    TempDir dir;
    EXPECT_EQ(FailureText<MakerFailure>([&] { COleWallpaperMaker picture(dir / "missing.jpg"); }),
              "failed open file");
    const std::string folder = dir.Folder("x.jpg");
    EXPECT_EQ(FailureText<MakerFailure>([&] { COleWallpaperMaker picture(folder); }),
              "failed open file");
}
