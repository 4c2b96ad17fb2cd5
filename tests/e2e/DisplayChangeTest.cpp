// The resident run follows the screen. Needs a display with the modes of
// tools/wine-display-tests (800x600, 640x480 and 1024x768 beside the one it starts in), which
// ChangeDisplaySettings switches between; Wine then sends every top-level window
// WM_DISPLAYCHANGE.
#include "app/Protocol.h"
#include "engine/MonitorOrder.h"
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/Bytes.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "tests/support/WholeFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <thread>
#include <utility>

namespace RN = RegistryNames;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::uint32_t kColour = 0x3060C0;

bool SwitchTo(int width, int height)
{
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(&mode, 0) == DISP_CHANGE_SUCCESSFUL;
}

std::uint64_t LastWrite(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

// The writes of a file from now until the quiet time and a margin are over, and when the
// first was seen.
class Writes {
public:
    explicit Writes(std::string path)
        : path_(std::move(path)), before_(LastWrite(path_)), thread_([this] { Watch(); })
    {
    }
    ~Writes() { Count(); }
    Writes(const Writes&) = delete;
    Writes& operator=(const Writes&) = delete;

    std::size_t Count()
    {
        if (!stop_) {
            Sleep(Protocol::kSettleTime + 2000);
            stop_ = true;
            thread_.join();
        }
        return seen_.size();
    }
    Clock::time_point First() const { return first_; }

private:
    void Watch()
    {
        for (; !stop_; Sleep(10)) {
            const std::uint64_t now = LastWrite(path_);
            if (now != before_ && seen_.insert(now).second && seen_.size() == 1)
                first_ = Clock::now();
        }
    }

    const std::string path_;
    const std::uint64_t before_;
    std::set<std::uint64_t> seen_;
    Clock::time_point first_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void WriteFlag(const char* name, bool value)
{
    WriteStored(RN::kOptionKey, name, REG_BINARY, std::string(1, value ? '\1' : '\0'));
}

}  // namespace

class DisplayChangeTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::getenv("TESSEL_TEST_DISPLAY_MODES") == nullptr)
            GTEST_SKIP() << "needs the display modes of tools/wine-display-tests";
        dir.Folder("pics");
        picture = dir.File("pics\\a.bmp", SolidBmp(200, 100, kColour));
        dir.File("pics\\b.bmp", SolidBmp(200, 100, 0x808080));
        tmp = dir.Folder("tmp");
        WriteText(RN::kFolderKey, RN::kTmpPath, tmp);
        WriteInt32(RN::kFolderKey, RN::kNumFolder, 1);
        WriteText(std::string(RN::kFolderKey) + RN::kFolderListKey, "0", dir / "pics");
        WriteInt32(RN::kOptionKey, RN::kInterval, 30);
        WriteFlag(RN::kResize, true);
        WriteInt32(RN::kHotkeyKey, "Escape", 0x077B);  // Ctrl+Alt+Shift+F12
    }
    void TearDown() override { ChangeDisplaySettingsA(nullptr, 0); }

    std::string Wallpaper() const { return tmp + "\\WALLTMP.bmp"; }
    // A resident run, loaded (it holds the "Escape" hotkey) and showing the first picture.
    bool Loaded(const TesselRun& run) const
    {
        if (run.MainWindow() == nullptr ||
            !run.WaitForHotkey(MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F12))
            return false;
        run.Send(WM_COMMAND, IDM_NEXT);
        return !ReadWholeFile(Wallpaper()).empty();
    }

    ProgramRegistry registry;
    TempDir dir;
    std::string picture;
    std::string tmp;
};

// Fitted: a burst of switches composes the same picture once, for the last mode, after the
// quiet time; the position and the minute count stay.
TEST_F(DisplayChangeTest, AFittedPictureFollowsABurstOfSwitchesOnce)
{
    TesselRun run("");
    ASSERT_TRUE(Loaded(run));
    run.Send(WM_TIMER, Protocol::kTimerId);
    ASSERT_EQ(BmpField32(ReadWholeFile(Wallpaper()), 18), GetSystemMetrics(SM_CXSCREEN));
    Sleep(Protocol::kSettleTime + 500);  // the look after the start is over

    Writes writes(Wallpaper());
    for (const auto& mode : {std::make_pair(800, 600), {640, 480}, {1024, 768}}) {
        ASSERT_TRUE(SwitchTo(mode.first, mode.second));
        Sleep(300);
    }
    const Clock::time_point last = Clock::now() - std::chrono::milliseconds(300);
    EXPECT_EQ(writes.Count(), 1u) << "composed once, after the burst";
    std::printf("the wallpaper followed the screen %lld ms after the last switch\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                           writes.First() - last).count()));
    const std::string bmp = ReadWholeFile(Wallpaper());
    EXPECT_EQ(BmpField32(bmp, 18), 1024);
    EXPECT_EQ(BmpField32(bmp, 22), 512);
    EXPECT_TRUE(ColourNear(BmpPixel(bmp, 512, 256), Rgb{0x30, 0x60, 0xC0}, 1));

    run.Send(WM_ENDSESSION, TRUE);
    EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kCurrentFile).bytes, Le32(0));
    EXPECT_EQ(ReadStored("", RN::kElapsedTime).bytes, Le32(1));
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
}

// At its own size on one monitor the system places the picture: nothing is written. A
// fitted picture gone with its drive is not shown again, and no box appears.
TEST_F(DisplayChangeTest, NothingIsWrittenWhereNothingDependsOnTheScreenOrNothingCanBe)
{
    for (const bool resize : {false, true}) {
        SCOPED_TRACE(resize ? "the picture gone" : "own size");
        WriteFlag(RN::kResize, resize);
        WriteInt32(RN::kFolderKey, RN::kCurrentFile, -1);  // a.bmp shows next
        TesselRun run("");
        ASSERT_TRUE(Loaded(run));
        const MessageBoxWatcher boxes(run.ProcessId());
        const std::string before = ReadWholeFile(Wallpaper());
        if (resize)
            DeleteFileA(picture.c_str());
        Writes writes(Wallpaper());
        ASSERT_TRUE(SwitchTo(800, 600));
        EXPECT_EQ(writes.Count(), 0u);
        EXPECT_TRUE(ReadWholeFile(Wallpaper()) == before) << "the old wallpaper kept";
        EXPECT_TRUE(boxes.Boxes().empty());
        run.Send(WM_COMMAND, IDM_EXIT);
        EXPECT_EQ(run.Wait(), 0);
        ChangeDisplaySettingsA(nullptr, 0);
    }
}

// The screen a wallpaper was composed for is stored: a start after a switch made while the
// program was not running composes for the new screen.
TEST_F(DisplayChangeTest, AStartAfterASwitchComposesForTheNewScreen)
{
    EXPECT_EQ(TesselRun("/N").Wait(), 0);
    ASSERT_TRUE(SwitchTo(1024, 768));
    Writes writes(Wallpaper());
    TesselRun run("");
    ASSERT_NE(run.MainWindow(), nullptr);
    EXPECT_EQ(writes.Count(), 1u);
    EXPECT_EQ(BmpField32(ReadWholeFile(Wallpaper()), 18), 1024);
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
}

// From a canvas of two monitors to one, here while the program was not running: the primary's
// picture alone, at its own size, and the canvas no longer remembered.
TEST_F(DisplayChangeTest, FromTwoMonitorsToOneThePrimarysPictureShowsAlone)
{
    WriteFlag(RN::kResize, false);
    WriteFlag(RN::kPerMonitor, true);
    const std::string showing = RN::kShowingKey;
    WriteText(showing, "0", picture);
    WriteText(showing, "1", dir / "pics\\b.bmp");
    WriteStored(showing, RN::kScreen, REG_BINARY,
                ScreenBytes({0, 0, 1440, 600}, {{0, 0, 800, 600}, {800, 0, 1440, 480}}));
    WriteText(showing, RN::kCanvas, Wallpaper());
    Writes writes(Wallpaper());
    TesselRun run("");
    ASSERT_NE(run.MainWindow(), nullptr);
    EXPECT_EQ(writes.Count(), 1u);
    const std::string bmp = ReadWholeFile(Wallpaper());
    EXPECT_EQ(BmpField32(bmp, 18), 200);
    EXPECT_TRUE(ColourNear(BmpPixel(bmp, 100, 50), Rgb{0x30, 0x60, 0xC0}, 0));
    EXPECT_EQ(ReadStored(showing, RN::kCanvas).bytes, std::string(1, '\0'));
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
}
