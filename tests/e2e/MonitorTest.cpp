#include "app/Protocol.h"
#include "engine/MonitorOrder.h"
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/Bytes.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "tests/support/WholeFile.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

// In the display of tools/wine-monitor-tests: monitor 0 at 0,0-800,600 (the primary) and
// monitor 1 at 800,0-1440,480, on a virtual screen of 1440x600.

namespace RN = RegistryNames;

namespace {

constexpr RECT kMonitors[2] = {{0, 0, 800, 600}, {800, 0, 1440, 480}};
constexpr std::uint32_t kColours[3] = {0xC02040, 0x20C040, 0x4020C0};  // a, b, c: 200x100
constexpr char kVersionKey[] = "Software\\Wine\\AppDefaults\\Tessel.exe";

Rgb RgbOf(std::uint32_t rgb)
{
    return {static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
            static_cast<int>(rgb & 0xFF)};
}

void WriteFlag(const char* name, bool value)
{
    WriteStored(RN::kOptionKey, name, REG_BINARY, std::string(1, value ? '\1' : '\0'));
}

// The pixel dx, dy from the middle of a monitor, or 5 pixels in from its edge.
Rgb At(const std::string& bmp, int monitor, int dx, int dy)
{
    const RECT& r = kMonitors[monitor];
    const auto place = [](int low, int high, int d) {
        return d == 0 ? (low + high) / 2 : d < 0 ? low + 5 : high - 5;
    };
    return BmpPixel(bmp, place(r.left, r.right, dx), place(r.top, r.bottom, dy));
}

}  // namespace

class MonitorTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* expected = std::getenv("TESSEL_TEST_MONITORS");
        if (expected == nullptr)
            GTEST_SKIP() << "needs the two monitors of tools/wine-monitor-tests";
        ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), std::atoi(expected));
        const std::string pictures = dir.Folder("pics");
        for (int i = 0; i < 3; ++i)
            paths[i] = dir.File("pics\\" + std::string(1, 'a' + i) + ".bmp",
                                SolidBmp(200, 100, kColours[i]));
        tmp = dir.Folder("tmp");
        WriteText(RN::kFolderKey, RN::kTmpPath, tmp);
        WriteInt32(RN::kFolderKey, RN::kNumFolder, 1);
        WriteText(std::string(RN::kFolderKey) + RN::kFolderListKey, "0", pictures);
        WriteFlag(RN::kPerMonitor, true);
    }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kVersionKey); }

    std::string Wallpaper() const { return ReadWholeFile(tmp + "\\WALLTMP.bmp"); }

    ProgramRegistry registry;
    TempDir dir;
    std::string paths[3];
    std::string tmp;
};

// One canvas of the virtual screen, each monitor's picture in its own rectangle by the fit,
// the rest the desktop's colour; the desktop spans it, or on Windows 7 tiles it.
TEST_F(MonitorTest, EachMonitorTakesItsPictureByTheFit)
{
    const COLORREF colour = GetSysColor(COLOR_BACKGROUND);
    const Rgb background = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    const struct {
        bool resize, fill;
        bool topCovered, leftCovered;  // a 2:1 picture on monitors of 4:3
        const char* version;
        const char* tileAndStyle;
    } rows[] = {
        {false, false, false, false, "win10", "0 22"},
        {true, false, false, true, "win10", "0 22"},
        {true, true, true, true, "win10", "0 22"},
        {true, true, true, true, "win7", "1 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.resize << row.fill << row.version);
        WriteFlag(RN::kResize, row.resize);
        WriteFlag(RN::kFill, row.fill);
        WriteInt32(RN::kFolderKey, RN::kCurrentFile, -1);
        SHSetValueA(HKEY_CURRENT_USER, kVersionKey, "Version", REG_SZ, row.version,
                    static_cast<DWORD>(std::strlen(row.version) + 1));
        EXPECT_EQ(TesselRun("/N").Wait(), 0);
        const std::string bmp = Wallpaper();
        ASSERT_EQ(bmp.size(), 54u + 1440u * 3u * 600u);
        EXPECT_EQ(BmpField32(bmp, 18), 1440);
        EXPECT_EQ(DesktopValue(RN::kTileWallpaper) + " " + DesktopValue(RN::kWallpaperStyle),
                  row.tileAndStyle);
        for (int m = 0; m < 2; ++m) {
            const Rgb picture = RgbOf(kColours[m]);
            EXPECT_TRUE(ColourNear(At(bmp, m, 0, 0), picture, 1)) << m;
            EXPECT_TRUE(ColourNear(At(bmp, m, 0, -1), row.topCovered ? picture : background, 1));
            EXPECT_TRUE(ColourNear(At(bmp, m, -1, 0), row.leftCovered ? picture : background, 1));
        }
        EXPECT_TRUE(ColourNear(BmpPixel(bmp, 1000, 550), background, 0));  // below monitor 1
    }
}

// Each walk gives each monitor its own file and stores the last; a path run puts its file
// on both.
TEST_F(MonitorTest, WalksGiveEachMonitorItsOwnFile)
{
    WriteInt32(RN::kFolderKey, RN::kCurrentFile, -1);
    const struct {
        std::string arguments;
        int first, second;
        std::uint32_t currentFile;
    } rows[] = {
        {"/N", 0, 1, 1},
        {"/N", 2, 0, 0},
        {"/P", 0, 1, 1},
        {"\"" + paths[2] + "\"", 2, 2, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments);
        EXPECT_EQ(TesselRun(row.arguments).Wait(), 0);
        const std::string bmp = Wallpaper();
        EXPECT_TRUE(ColourNear(At(bmp, 0, 0, 0), RgbOf(kColours[row.first]), 0));
        EXPECT_TRUE(ColourNear(At(bmp, 1, 0, 0), RgbOf(kColours[row.second]), 0));
        EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kCurrentFile).bytes, Le32(row.currentFile));
    }
}

// The next logon lays the wallpaper out by the values stored at the end of this one, also
// after a session that changed nothing while an earlier one's canvas still shows.
TEST_F(MonitorTest, EndOfSessionStoresTheCanvasValuesOverTheStyles)
{
    WriteInt32(RN::kHotkeyKey, "Escape", 0x077B);  // Ctrl+Alt+Shift+F12, held once loaded
    std::string canvas;
    for (const bool change : {true, false}) {
        SCOPED_TRACE(change ? "a session with a change" : "the next, without one");
        TesselRun run("");
        ASSERT_NE(run.MainWindow(), nullptr);
        ASSERT_TRUE(run.WaitForHotkey(MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F12));
        if (change) {
            run.Send(WM_COMMAND, IDM_NEXT);
            canvas = DesktopValue(RN::kWallpaperStyle) + DesktopValue(RN::kTileWallpaper);
        }
        EXPECT_EQ(DesktopValue(RN::kWallpaperStyle) + DesktopValue(RN::kTileWallpaper), canvas);
        SHSetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", RN::kTileWallpaper, REG_SZ, "2", 2);
        run.Send(WM_ENDSESSION, TRUE);
        EXPECT_EQ(DesktopValue(RN::kWallpaperStyle) + DesktopValue(RN::kTileWallpaper), canvas);
        run.Send(WM_COMMAND, IDM_EXIT);
        EXPECT_EQ(run.Wait(), 0);
    }
}

// A second monitor found at the start (the screen the wallpaper was composed for had one):
// the primary keeps its picture, the new monitor takes the file a walk forward would give,
// and the position stays.
TEST_F(MonitorTest, ASecondMonitorTakesTheNextFileAndThePrimaryKeepsItsOwn)
{
    WriteInt32(RN::kFolderKey, RN::kCurrentFile, 0);
    const std::string showing = RN::kShowingKey;
    WriteText(showing, "0", paths[0]);
    WriteStored(showing, RN::kScreen, REG_BINARY,
                ScreenBytes({0, 0, 800, 600}, {{0, 0, 800, 600}}));
    TesselRun run("");
    ASSERT_NE(run.MainWindow(), nullptr);
    std::string bmp;
    for (int waited = 0; bmp.size() != 54u + 1440u * 3u * 600u && waited < 10000; waited += 50) {
        Sleep(50);
        bmp = Wallpaper();
    }
    EXPECT_TRUE(ColourNear(At(bmp, 0, 0, 0), RgbOf(kColours[0]), 0));
    EXPECT_TRUE(ColourNear(At(bmp, 1, 0, 0), RgbOf(kColours[1]), 0));
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kCurrentFile).bytes, Le32(0));
}
