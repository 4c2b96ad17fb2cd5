// tools/wine-tests runs these tests again with the screen at 144 dpi and names the DPI in
// TESSEL_TEST_DPI, so that run cannot pass at 96 unnoticed.
#include "imaging/DesktopFit.h"
#include "tests/support/Bytes.h"
#include "tests/support/TestBmp.h"
#include "tests/support/WholeFile.h"
#include "tests/ui/UiFixture.h"
#include "win32/GdiGuards.h"

#include <cstdlib>

TEST(ScreenDpi, IsTheOneTheRunAskedFor)
{
    const char* asked = std::getenv("TESSEL_TEST_DPI");
    if (asked == nullptr)
        GTEST_SKIP() << "the run asked for no particular DPI";
    EXPECT_EQ(GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX), std::atoi(asked));
}

// A program unaware of the DPI is told of a smaller desktop (two thirds of it at 150 %);
// the device's own size is not scaled.
TEST_F(UiTest, FittedWallpaperCoversTheScreenInItsOwnPixels)
{
    engine->SetTmpPath(temp.Folder("tmp"));
    engine->options.resize = true;
    engine->SetWallpaperFile(temp.File("a.bmp", SolidBmp(5, 4, 0x0000FF)));
    const WindowDc screen(nullptr);
    const auto fitted = FitSize(5, 4, GetDeviceCaps(screen.get(), DESKTOPHORZRES),
                                GetDeviceCaps(screen.get(), DESKTOPVERTRES));
    const std::string file = ReadWholeFile(engine->GetTmpPath() + "\\WALLTMP.bmp");
    ASSERT_TRUE(fitted && file.size() > 54);
    EXPECT_EQ(Get32(file, 18), fitted->width);
    EXPECT_EQ(Get32(file, 22), fitted->height);
}
