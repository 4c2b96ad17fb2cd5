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

// A picture per monitor, in the display of tools/wine-monitor-tests: monitor L 0,0-800,600
// (primary) and R 800,0-1440,480 on a virtual screen of 1440x600.

namespace RN = RegistryNames;

namespace {

struct Spot {
    int x;
    int y;
};
// Per monitor: its centre, 5 pixels below the middle of its top edge and 5 right of the
// middle of its left edge: a 2:1 picture fitted leaves the first, at its own size both.
constexpr Spot kCentre[2] = {{400, 300}, {1120, 240}};
constexpr Spot kTop[2] = {{400, 5}, {1120, 5}};
constexpr Spot kLeft[2] = {{5, 300}, {805, 240}};
// Below R, which no picture covers.
constexpr Spot kUncovered = {1000, 550};

constexpr std::uint32_t kColours[3] = {0xC02040, 0x20C040, 0x4020C0};  // a, b, c

Rgb RgbOf(std::uint32_t rgb)
{
    return {static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
            static_cast<int>(rgb & 0xFF)};
}

Rgb Background()
{
    const COLORREF colour = GetSysColor(COLOR_BACKGROUND);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

void WriteFlag(const char* name, bool value)
{
    WriteStored(RN::kOptionKey, name, REG_BINARY, std::string(1, value ? '\1' : '\0'));
}

// The Windows version Wine reports to Tessel.exe while it lives (Debian's prefix says 7).
class ReportedVersion {
public:
    explicit ReportedVersion(const char* version)
    {
        SHSetValueA(HKEY_CURRENT_USER, kKey, "Version", REG_SZ, version,
                    static_cast<DWORD>(std::strlen(version) + 1));
    }
    ~ReportedVersion() { SHDeleteKeyA(HKEY_CURRENT_USER, kKey); }
    ReportedVersion(const ReportedVersion&) = delete;
    ReportedVersion& operator=(const ReportedVersion&) = delete;

private:
    static constexpr char kKey[] = "Software\\Wine\\AppDefaults\\Tessel.exe";
};

}  // namespace

class MonitorTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* expected = std::getenv("TESSEL_TEST_MONITORS");
        if (expected == nullptr)
            GTEST_SKIP() << "needs the two monitors of tools/wine-monitor-tests";
        ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), std::atoi(expected));
        pictures = dir.Folder("pics");
        const char* names[3] = {"a.bmp", "b.bmp", "c.bmp"};
        for (int i = 0; i < 3; ++i)
            paths[i] = dir.File(std::string("pics\\") + names[i], SolidBmp(200, 100, kColours[i]));
        tmp = dir.Folder("tmp");
        WriteText(RN::kFolderKey, RN::kTmpPath, tmp);
        WriteInt32(RN::kFolderKey, RN::kNumFolder, 1);
        WriteInt32(RN::kFolderKey, RN::kCurrentFile, -1);
        WriteText(std::string(RN::kFolderKey) + RN::kFolderListKey, "0", pictures);
        WriteFlag(RN::kPerMonitor, true);
    }

    std::string Wallpaper() const { return ReadWholeFile(tmp + "\\WALLTMP.bmp"); }
    static std::int32_t CurrentFile()
    {
        const StoredValue value = ReadStored(RN::kFolderKey, RN::kCurrentFile);
        return value.bytes.size() == 4 ? static_cast<std::int32_t>(Get32(value.bytes, 0)) : -99;
    }

    ProgramRegistry registry;
    TempDir dir;
    std::string pictures;
    std::string paths[3];
    std::string tmp;
};

// One canvas the size of the virtual screen, each monitor's picture in its own rectangle by
// the fit, and the desktop told to span it (Windows 7: to tile it).
TEST_F(MonitorTest, EachMonitorTakesItsPictureByTheFit)
{
    const Rgb background = Background();
    const struct {
        bool resize, fill;
        bool topCovered, leftCovered;
        const char* version;
        const char* tile;
        const char* style;
    } rows[] = {
        {false, false, false, false, "win10", "0", "22"},
        {true, false, false, true, "win10", "0", "22"},
        {true, true, true, true, "win10", "0", "22"},
        {true, true, true, true, "win7", "1", "0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.resize << row.fill << row.version);
        WriteFlag(RN::kResize, row.resize);
        WriteFlag(RN::kFill, row.fill);
        WriteInt32(RN::kFolderKey, RN::kCurrentFile, -1);
        const ReportedVersion version(row.version);
        EXPECT_EQ(TesselRun("/N").Wait(), 0);
        const std::string bmp = Wallpaper();
        ASSERT_EQ(bmp.size(), 54u + 1440u * 3u * 600u);
        EXPECT_EQ(BmpField32(bmp, 18), 1440);
        EXPECT_EQ(DesktopValue(RN::kTileWallpaper), row.tile);
        EXPECT_EQ(DesktopValue(RN::kWallpaperStyle), row.style);
        for (int m = 0; m < 2; ++m) {
            const Rgb picture = RgbOf(kColours[m]);
            EXPECT_TRUE(ColourNear(BmpPixel(bmp, kCentre[m].x, kCentre[m].y), picture, 1)) << m;
            EXPECT_TRUE(ColourNear(BmpPixel(bmp, kTop[m].x, kTop[m].y),
                                   row.topCovered ? picture : background, 1)) << m;
            EXPECT_TRUE(ColourNear(BmpPixel(bmp, kLeft[m].x, kLeft[m].y),
                                   row.leftCovered ? picture : background, 1)) << m;
        }
        EXPECT_TRUE(ColourNear(BmpPixel(bmp, kUncovered.x, kUncovered.y), background, 0));
    }
}

// Each walk gives each monitor its own file and stores the last; a path run puts its file
// on both.
TEST_F(MonitorTest, WalksGiveEachMonitorItsOwnFile)
{
    const struct {
        std::string arguments;
        int left, right;
        std::int32_t currentFile;
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
        EXPECT_TRUE(ColourNear(BmpPixel(bmp, kCentre[0].x, kCentre[0].y),
                               RgbOf(kColours[row.left]), 0));
        EXPECT_TRUE(ColourNear(BmpPixel(bmp, kCentre[1].x, kCentre[1].y),
                               RgbOf(kColours[row.right]), 0));
        EXPECT_EQ(CurrentFile(), row.currentFile);
    }
}
