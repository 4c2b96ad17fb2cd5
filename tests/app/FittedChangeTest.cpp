// A fitted change by the real program covers the screen in its own pixels. A program that
// is not DPI aware is told of a smaller desktop on a scaled screen (two thirds of it at
// 150 %), and its fitted picture would cover only part of the screen.
#include "imaging/DesktopFit.h"
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/support/Bytes.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "tests/support/WholeFile.h"
#include "win32/GdiGuards.h"

#include <gtest/gtest.h>

namespace RN = RegistryNames;

TEST(FittedChange, CoversTheScreenInItsOwnPixels)
{
    ProgramRegistry registry;
    TempDir dir;
    const std::string pictures = dir.Folder("pics");
    dir.File("pics\\a.bmp", SolidBmp(5, 4, 0x0000FF));
    const std::string tmp = dir.Folder("tmp");
    WriteText(RN::kFolderKey, RN::kTmpPath, tmp);
    WriteInt32(RN::kFolderKey, RN::kNumFolder, 1);
    WriteText(std::string(RN::kFolderKey) + RN::kFolderListKey, "0", pictures);
    const StoredValue on = FlagValue(true);
    WriteStored(RN::kOptionKey, RN::kResize, on.type, on.bytes);
    ASSERT_EQ(TesselRun("/N").Wait(), 0);

    // The device's own size, which no DPI virtualisation scales.
    const WindowDc screen(nullptr);
    const auto fitted = FitSize(5, 4, GetDeviceCaps(screen.get(), DESKTOPHORZRES),
                                GetDeviceCaps(screen.get(), DESKTOPVERTRES));
    ASSERT_TRUE(fitted);
    const std::string file = ReadWholeFile(tmp + "\\WALLTMP.bmp");
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(Get32(file, 18), fitted->width);
    EXPECT_EQ(Get32(file, 22), fitted->height);
}
