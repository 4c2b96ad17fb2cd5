// Faults under a resident run: the temporary folder, a wallpaper folder or the plug-in folder
// disappears (or cannot be written) after the program has loaded, or a photo needs more
// address space than the program has. Each change then ends in its failure text with the
// previous wallpaper kept, and nothing stored is lost.
#include "app/Protocol.h"
#include "imaging/DesktopFit.h"
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/imaging/HostileImages.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "tests/support/TestJpeg.h"
#include "tests/support/WholeFile.h"
#include "win32/Directory.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace RN = RegistryNames;

namespace {

// Ctrl+Alt+Shift+F12 as the "Escape" hotkey: held once the settings have loaded.
constexpr int kReadyHotkey = 0x077B;

// The sides and pixel rows of a BMP: what the writer's copy of a picture must keep.
std::string Picture(const std::string& bmp)
{
    return bmp.size() < 54 ? bmp : bmp.substr(18, 8) + bmp.substr(54);
}

std::vector<std::string> Texts(const MessageBoxWatcher& boxes)
{
    std::vector<std::string> texts;
    for (const MessageBoxWatcher::Box& box : boxes.Boxes())
        texts.push_back(box.text);
    return texts;
}

// Decoding some hundred megapixels takes seconds, many more on a busy machine.
constexpr unsigned long kLargeChangeWait = 180000;

// The wallpaper is a width x height mid-grey picture; the scaler's weights may sum to a hair
// below one and truncate a byte to 127.
bool MidGreyPicture(const std::string& bmp, int width, int height)
{
    const std::string seen = Picture(bmp);
    const std::string expected = Picture(SolidBmp(width, height, 0x808080));
    return std::equal(seen.begin(), seen.end(), expected.begin(), expected.end(),
                      [](char s, char e) { return s == e || (e == '\x80' && s == '\x7F'); });
}

}  // namespace

class FaultTest : public testing::Test {
protected:
    void SetUp() override
    {
        WriteInt32(RN::kHotkeyKey, "Escape", kReadyHotkey);
        pictures = dir.Folder("pics");
        dir.File("pics\\a.bmp", SolidBmp(3, 2, 0x0000FF));
        dir.File("pics\\b.bmp", SolidBmp(5, 4, 0x00FF00));
        tmp = dir.Folder("tmp");
        WriteText(RN::kFolderKey, RN::kTmpPath, tmp);
        WriteInt32(RN::kFolderKey, RN::kNumFolder, 1);
        WriteInt32(RN::kFolderKey, RN::kCurrentFile, -1);
        WriteText(std::string(RN::kFolderKey) + RN::kFolderListKey, "0", pictures);
    }

    static void Start(TesselRun& run)
    {
        ASSERT_NE(run.MainWindow(), nullptr);
        ASSERT_TRUE(run.WaitForHotkey(MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F12));
    }

    // The stored folder list and position after the run, which no fault may lose.
    void ExpectFoldersKept(std::int32_t position) const
    {
        EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kNumFolder), Int32Value(1));
        EXPECT_EQ(ReadStored(std::string(RN::kFolderKey) + RN::kFolderListKey, "0"),
                  TextValue(pictures));
        EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kCurrentFile), Int32Value(position));
    }

    std::string Wallpaper() const { return tmp + "\\WALLTMP.bmp"; }

    ProgramRegistry registry;
    TempDir dir;
    std::string pictures;
    std::string tmp;
};

TEST_F(FaultTest, TemporaryFolderRemovedWhileRunning)
{
    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    Start(run);
    const std::string before = CurrentWallpaper();
    RemoveTree(tmp);
    run.Send(WM_COMMAND, IDM_NEXT);
    EXPECT_EQ(Texts(boxes), std::vector<std::string>{"failed CreateFile"});
    EXPECT_EQ(CurrentWallpaper(), before);
    // The folder back: the next change works again, from where the list had got to.
    dir.Folder("tmp");
    run.Send(WM_COMMAND, IDM_NEXT);
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    EXPECT_EQ(Picture(ReadWholeFile(Wallpaper())), Picture(SolidBmp(5, 4, 0x00FF00)));
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    ExpectFoldersKept(1);
    EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kTmpPath), TextValue(tmp));
}

TEST_F(FaultTest, WallpaperThatCannotBeReplacedStaysWhole)
{
    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    Start(run);
    run.Send(WM_COMMAND, IDM_NEXT);
    const std::string first = ReadWholeFile(Wallpaper());
    ASSERT_EQ(Picture(first), Picture(SolidBmp(3, 2, 0x0000FF)));
    // A folder where the temporary file would go: the new picture cannot be written at all.
    dir.Folder("tmp\\WALLTMP.bm~");
    run.Send(WM_COMMAND, IDM_NEXT);
    EXPECT_EQ(Texts(boxes), std::vector<std::string>{"failed CreateFile"});
    EXPECT_EQ(ReadWholeFile(Wallpaper()), first);
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    ExpectFoldersKept(1);
}

TEST_F(FaultTest, WallpaperFolderDeletedBetweenScanAndChange)
{
    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    Start(run);
    run.Send(WM_COMMAND, IDM_NEXT);
    const std::string first = ReadWholeFile(Wallpaper());
    RemoveTree(pictures);
    run.Send(WM_COMMAND, IDM_NEXT);
    EXPECT_EQ(Texts(boxes), std::vector<std::string>{"failed open file"});
    EXPECT_EQ(ReadWholeFile(Wallpaper()), first);
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    // The folder stays registered: it may be a drive that comes back.
    ExpectFoldersKept(1);
}

TEST_F(FaultTest, PluginFolderRemovedAfterLoad)
{
    const std::string plugins = dir.Folder("spi");
    ASSERT_TRUE(CopyFileA((GetModuleDirectory() + "\\plugins\\ifwic.spi").c_str(),
                          (plugins + "\\ifwic.spi").c_str(), FALSE));
    WriteStored(RN::kSpiKey, RN::kUseSpi, REG_BINARY, std::string(1, '\1'));
    WriteText(RN::kSpiKey, RN::kSpiPath, plugins);
    dir.File("pics\\c.png", SmallPng());
    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    Start(run);
    RemoveTree(plugins);
    // The plug-in stays loaded: its files may go, what it decodes does not change.
    run.Send(WM_COMMAND, IDM_PREVIOUS);  // from the start: c.png, the last file
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    EXPECT_EQ(ReadWholeFile(Wallpaper()).substr(18, 8), std::string("\x08\0\0\0\x08\0\0\0", 8));
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    ExpectFoldersKept(2);
    EXPECT_EQ(ReadStored(RN::kSpiKey, RN::kSpiPath), TextValue(plugins));
    EXPECT_EQ(ReadStored(RN::kSpiKey, RN::kUseSpi), FlagValue(true));
}

TEST_F(FaultTest, PanoramaBeyondTwoGigabytesBecomesAFittedWallpaper)
{
    // 576 MB as 24-bit pixels, and the decoder's own bitmap holds 768 MB more.
    dir.File("pics\\c.jpg", MidGreyJpeg(16000, 12000, JpegKind::Greyscale));
    WriteStored(RN::kOptionKey, RN::kResize, REG_BINARY, std::string(1, '\1'));
    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    Start(run);
    run.Send(WM_COMMAND, IDM_PREVIOUS, 0, kLargeChangeWait);  // from the start: c.jpg, the last
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const auto fit = FitSize(16000, 12000, desktop.right - desktop.left,
                             desktop.bottom - desktop.top);
    ASSERT_TRUE(fit);
    EXPECT_TRUE(MidGreyPicture(ReadWholeFile(Wallpaper()), static_cast<int>(fit->width),
                               static_cast<int>(fit->height)));
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    ExpectFoldersKept(2);
}

TEST_F(FaultTest, PhotoBeyondFourGigabytesKeepsThePreviousWallpaper)
{
    if (sizeof(void*) == 8)
        GTEST_SKIP() << "a 64-bit program has the address space for 1.2 gigapixels; "
                        "whether it decodes them depends on the machine's memory";
    // Sorted between a.bmp and b.bmp: its decoded bitmap alone would take 4.8 GB.
    dir.File("pics\\a2.jpg", MidGreyJpeg(40000, 30000, JpegKind::Greyscale));
    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    Start(run);
    run.Send(WM_COMMAND, IDM_NEXT);
    const std::string first = ReadWholeFile(Wallpaper());
    ASSERT_EQ(Picture(first), Picture(SolidBmp(3, 2, 0x0000FF)));
    run.Send(WM_COMMAND, IDM_NEXT, 0, kLargeChangeWait);
    EXPECT_EQ(Texts(boxes), std::vector<std::string>{"failed ole load"});
    EXPECT_EQ(ReadWholeFile(Wallpaper()), first);
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    // Still running, with the decoder's memory back: the next picture changes.
    run.Send(WM_COMMAND, IDM_NEXT);
    EXPECT_EQ(Texts(boxes).size(), 1u);
    EXPECT_EQ(Picture(ReadWholeFile(Wallpaper())), Picture(SolidBmp(5, 4, 0x00FF00)));
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    ExpectFoldersKept(2);
}

// Drives T: (1 MiB) and R: (read-only) are small disks that tools/wine-tests mounts for
// these tests where it may.
namespace {

bool HasSmallDrive(const char* root)
{
    ULARGE_INTEGER total = {};
    return GetDiskFreeSpaceExA(root, nullptr, &total, nullptr) && total.QuadPart <= 4 << 20;
}

}  // namespace

TEST_F(FaultTest, ReadOnlyTemporaryFolderKeepsThePreviousWallpaper)
{
    if (!HasSmallDrive("R:\\"))
        GTEST_SKIP() << "no read-only disk at R:";
    std::string first;
    {
        TesselRun run("");
        Start(run);
        run.Send(WM_COMMAND, IDM_NEXT);
        first = ReadWholeFile(Wallpaper());
        run.Send(WM_COMMAND, IDM_EXIT);
        ASSERT_EQ(run.Wait(), 0);
    }
    // The folder is read with the settings: the next run has the read-only one.
    WriteText(RN::kFolderKey, RN::kTmpPath, "R:");
    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    Start(run);
    run.Send(WM_COMMAND, IDM_NEXT);
    EXPECT_EQ(Texts(boxes), std::vector<std::string>{"failed CreateFile"});
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    EXPECT_EQ(ReadWholeFile(Wallpaper()), first);
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    ExpectFoldersKept(1);
    EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kTmpPath), TextValue("R:"));
}

// Installed where the user may not write (R:\Tessel stands for Program Files), a first run
// composes its wallpapers in the user's own folder.
TEST_F(FaultTest, ReadOnlyProgramFolderWritesTheWallpaperInTheUsersFolder)
{
    const std::string program = "R:\\Tessel\\Tessel.exe";
    if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no copy of the program on a read-only disk at R:";
    char local[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, local, CSIDL_LOCAL_APPDATA, FALSE);
    const std::string own = std::string(local) + "\\Tessel";
    SHDeleteKeyA(HKEY_CURRENT_USER, RN::kRootPath);
    TesselRun run("\"" + pictures + "\\b.bmp\"", program);
    MessageBoxWatcher boxes(run.ProcessId());
    EXPECT_EQ(run.Wait(), 0);
    EXPECT_EQ(Texts(boxes), std::vector<std::string>{});
    EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kTmpPath), TextValue(own));
    EXPECT_EQ(CurrentWallpaper(), own + "\\WALLTMP.bmp");
    RemoveTree(own);
}

TEST_F(FaultTest, FullDiskKeepsThePreviousWallpaper)
{
    if (!HasSmallDrive("T:\\"))
        GTEST_SKIP() << "no small disk at T:";
    const std::string full = "T:\\tessel-full";
    RemoveTree(full);
    ASSERT_TRUE(CreateDirectoryA(full.c_str(), nullptr));
    WriteText(RN::kFolderKey, RN::kTmpPath, full);
    // Sorted between a.bmp and b.bmp: 1,080,054 bytes, more than the disk holds.
    dir.File("pics\\a2.bmp", SolidBmp(600, 600, 0xFF0000));
    const std::string wallpaper = full + "\\WALLTMP.bmp";
    {
        TesselRun run("");
        MessageBoxWatcher boxes(run.ProcessId());
        Start(run);
        run.Send(WM_COMMAND, IDM_NEXT);
        const std::string first = ReadWholeFile(wallpaper);
        ASSERT_EQ(Picture(first), Picture(SolidBmp(3, 2, 0x0000FF)));
        run.Send(WM_COMMAND, IDM_NEXT);
        EXPECT_EQ(Texts(boxes), std::vector<std::string>{"failed WriteBitmap"});
        EXPECT_EQ(ReadWholeFile(wallpaper), first);
        EXPECT_EQ(GetFileAttributesA((full + "\\WALLTMP.bm~").c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(CurrentWallpaper(), wallpaper);
        // The half-written file is gone, so the next picture that fits is written.
        run.Send(WM_COMMAND, IDM_NEXT);
        EXPECT_EQ(Texts(boxes).size(), 1u);
        EXPECT_EQ(Picture(ReadWholeFile(wallpaper)), Picture(SolidBmp(5, 4, 0x00FF00)));
        run.Send(WM_COMMAND, IDM_EXIT);
        EXPECT_EQ(run.Wait(), 0);
    }
    RemoveTree(full);
    ExpectFoldersKept(2);
}
