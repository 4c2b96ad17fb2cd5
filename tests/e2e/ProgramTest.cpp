#include "app/Protocol.h"
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/support/Bytes.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ScratchRegistry.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "tests/support/TestPng.h"
#include "tests/support/WholeFile.h"
#include "win32/AnsiPath.h"
#include "win32/Directory.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace RN = RegistryNames;

namespace {

const std::string kRoot = RN::kRootPath;

// A value below the program's root as raw bytes; "<missing>" when absent.
std::string RawValue(const std::string& subKey, const char* name)
{
    const StoredValue value = ReadStored(subKey, name);
    return value.exists ? value.bytes : "<missing>";
}

bool KeyExists(const std::string& subKey)
{
    HKEY key = nullptr;
    const bool exists = RegOpenKeyExA(HKEY_CURRENT_USER, (kRoot + subKey).c_str(), 0, KEY_READ,
                                      &key) == ERROR_SUCCESS;
    const UniqueRegKey owner(key);
    return exists;
}

unsigned long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return data.nFileSizeLow;
}

// Held by the program once its settings have loaded: Ctrl+Alt+Shift+F12 as the
// "Escape" hotkey, in the hotkey control's encoding and as RegisterHotKey takes it.
constexpr int kReadyHotkey = 0x077B;
constexpr UINT kReadyModifiers = MOD_CONTROL | MOD_ALT | MOD_SHIFT;

}  // namespace

class ProgramTest : public testing::Test {
protected:
    void SetUp() override { WriteInt32(RN::kHotkeyKey, "Escape", kReadyHotkey); }

    // The resident run has created its window and loaded every setting.
    static bool Loaded(const TesselRun& run)
    {
        return run.MainWindow() != nullptr && run.WaitForHotkey(kReadyModifiers, VK_F12);
    }

    // A folder of three pictures registered as the only wallpaper folder, and the
    // temporary folder set to a scratch folder.
    void RegisterPictures()
    {
        pictures = dir.Folder("pics");
        dir.File("pics\\a.bmp", SolidBmp(3, 2, 0x0000FF));
        dir.File("pics\\b.bmp", SolidBmp(5, 4, 0x00FF00));
        dir.File("pics\\c.bmp", SolidBmp(7, 6, 0xFF0000));
        dir.File("pics\\notes.txt", "not a picture");
        tmp = dir.Folder("tmp");
        WriteText(RN::kFolderKey, RN::kTmpPath, tmp);
        WriteText(RN::kFolderKey, RN::kEscPath, "");
        WriteInt32(RN::kFolderKey, RN::kNumFolder, 1);
        WriteInt32(RN::kFolderKey, RN::kCurrentFile, -1);
        WriteText(std::string(RN::kFolderKey) + RN::kFolderListKey, "0", pictures);
    }

    std::string Wallpaper() const { return tmp + "\\WALLTMP.bmp"; }
    int CurrentFile() const
    {
        const std::string raw = RawValue(RN::kFolderKey, RN::kCurrentFile);
        return raw.size() == 4 ? static_cast<std::int32_t>(Get32(raw, 0)) : -99;
    }

    ProgramRegistry registry;
    TempDir dir;
    std::string pictures;
    std::string tmp;
};

TEST_F(ProgramTest, FirstResidentStartCreatesEveryKeyWithDefaults)
{
    SHDeleteKeyA(HKEY_CURRENT_USER, RN::kRootPath);
    TesselRun run("");
    ASSERT_NE(run.MainWindow(), nullptr);
    // Start/quit settings load last: their key marks the end of the first load.
    for (int i = 0; i < 1000 && RawValue(RN::kRunQuitKey, RN::kQuitOption) == "<missing>"; ++i)
        Sleep(20);
    EXPECT_EQ(RawValue("", RN::kElapsedTime), Le32(0));
    for (const std::string& key : {std::string(RN::kFolderKey), std::string(RN::kOptionKey),
                                  std::string(RN::kHotkeyKey), std::string(RN::kRunQuitKey),
                                  std::string(RN::kSpiKey),
                                  std::string(RN::kFolderKey) + RN::kFolderListKey,
                                  std::string(RN::kOptionKey) + RN::kProcessListKey})
        EXPECT_TRUE(KeyExists(key)) << key;
    EXPECT_EQ(RawValue(RN::kOptionKey, RN::kInterval), Le32(10));
    EXPECT_EQ(RawValue(RN::kOptionKey, RN::kNotifyAll), std::string(1, '\1'));
    EXPECT_EQ(RawValue(RN::kHotkeyKey, RN::kLButton), Le32(0));
    EXPECT_EQ(RawValue(RN::kSpiKey, RN::kUseSpi), std::string(1, '\0'));

    TesselRun second("");
    EXPECT_EQ(second.Wait(), 1);
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
}

TEST_F(ProgramTest, ShortCommandLinesStartTheResidentRun)
{
    for (const char* line : {"x", "\"\""}) {
        TesselRun run(line);
        EXPECT_TRUE(Loaded(run)) << line;
        run.Send(WM_COMMAND, IDM_EXIT);
        EXPECT_EQ(run.Wait(), 0) << line;
    }
}

TEST_F(ProgramTest, OneShotSwitchesWalkTheList)
{
    RegisterPictures();
    EXPECT_EQ(TesselRun("/N").Wait(), 0);
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    EXPECT_EQ(FileSize(Wallpaper()), 54u + 12u * 2u);  // a.bmp: 3x2
    EXPECT_EQ(CurrentFile(), 0);
    EXPECT_EQ(TesselRun("/nonsense").Wait(), 0);
    EXPECT_EQ(FileSize(Wallpaper()), 54u + 16u * 4u);  // b.bmp: 5x4
    EXPECT_EQ(TesselRun("/P").Wait(), 0);
    EXPECT_EQ(CurrentFile(), 0);
    EXPECT_EQ(TesselRun("/X").Wait(), 0);
    EXPECT_EQ(CurrentFile(), 0);
    EXPECT_EQ(TesselRun("/R").Wait(), 0);
    WriteText(RN::kFolderKey, RN::kEscPath, pictures + "\\c.bmp");
    EXPECT_EQ(TesselRun("/e").Wait(), 0);
    EXPECT_EQ(FileSize(Wallpaper()), 54u + 24u * 6u);
    EXPECT_EQ(TesselRun("/C").Wait(), 0);
    EXPECT_EQ(CurrentWallpaper(), "");
    EXPECT_EQ(FindWindowA(Protocol::kWindowClass, nullptr), nullptr);
}

TEST_F(ProgramTest, ChangeWithAnEmptyListSaysSo)
{
    TesselRun run("/W");
    MessageBoxWatcher boxes(run.ProcessId());
    EXPECT_EQ(run.Wait(), 0);
    const auto seen = boxes.Boxes();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "ファイルが見つかりません");
    EXPECT_EQ(seen[0].caption, "エラー");
}

TEST_F(ProgramTest, PathRunSetsAnImageOrShowsWhyNot)
{
    RegisterPictures();
    EXPECT_EQ(TesselRun("\"" + pictures + "\\c.bmp\"").Wait(), 0);
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    EXPECT_EQ(FileSize(Wallpaper()), 54u + 24u * 6u);

    TesselRun text("\"" + pictures + "\\notes.txt\"");
    MessageBoxWatcher boxes(text.ProcessId());
    EXPECT_EQ(text.Wait(), 0);
    const auto seen = boxes.Boxes();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "サポートしていないフォーマットです");
    EXPECT_EQ(FileSize(Wallpaper()), 54u + 24u * 6u);
}

TEST_F(ProgramTest, NamesTheCodePageCannotSpellAreListedAndSetInTurn)
{
    RegisterPictures();
    const std::wstring folder = WideOf(pictures) + L"\\";
    const std::wstring names[] = {L"café.bmp", L"한글.bmp", L"简体.bmp", L"😀.bmp"};
    std::multiset<unsigned long> expected = {54u + 12u * 2u, 54u + 16u * 4u, 54u + 24u * 6u};
    for (int i = 0; i < 4; ++i) {
        const int side = 8 + i;
        dir.WideFile(L"pics\\" + names[i], SolidBmp(side, side, 0x808080));
        expected.insert(54u + static_cast<unsigned long>((side * 3 + 3) / 4 * 4 * side));
    }
    std::multiset<unsigned long> set;
    for (std::size_t turn = 0; turn < expected.size(); ++turn) {
        TesselRun run("/N");
        MessageBoxWatcher boxes(run.ProcessId());
        EXPECT_EQ(run.Wait(), 0);
        EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes()[0].text;
        set.insert(FileSize(Wallpaper()));
    }
    EXPECT_EQ(set, expected);

    TesselRun path(L"\"" + folder + names[3] + L"\"");
    MessageBoxWatcher boxes(path.ProcessId());
    EXPECT_EQ(path.Wait(), 0);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(FileSize(Wallpaper()), 54u + 36u * 11u);
}

// Each row is a path run whose text the code page cannot spell exactly: it sets pic.bmp in
// the folder "ü", or fails as a run of a missing file does; never a look-alike.
TEST_F(ProgramTest, HostileNamesNeverOpenALookAlikeNorTakeAShortNamesType)
{
    RegisterPictures();
    const std::wstring pics = WideOf(pictures);
    dir.File("pics\\cafe.bmp", SolidBmp(2, 2, 0x808080));
    ASSERT_TRUE(CreateDirectoryW((pics + L"\\\u00FC").c_str(), nullptr));
    dir.WideFile(L"pics\\ü\\pic.bmp", SolidBmp(11, 11, 0x808080));
    dir.WideFile(L"pics\\über.bmpx", SolidBmp(13, 13, 0x808080));
    const std::string spi = dir.Folder("spi");
    dir.File("pics\\p.png", Png(1, 1, std::string(4, '\xFF')));
    ASSERT_TRUE(CopyFileW(WideOf(GetModuleDirectory() + "\\plugins\\ifwic.spi").c_str(),
                          (WideOf(spi) + L"\\\u00FCwic.spi-off").c_str(), FALSE));
    std::wstring slashed = pics;
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
    const std::wstring drive = pics.substr(0, 2);
    const std::string missing = "failed open file";
    const struct {
        std::wstring path;
        std::vector<std::string> boxes;  // none: pic.bmp is set
        bool plugins = false;
    } rows[] = {
        {pics + L"\\café.bmp", {missing}},  // only cafe.bmp is there
        {pics + L"\\x¥..¥b.bmp", {missing}},  // '¥' is no backslash
        {pics + L"\\ü*\\pic.bmp", {missing}},
        {slashed + L"/ü/pic.bmp", {}},
        {pics + L"/ü\\pic.bmp", {}},
        {drive + L"ü\\pic.bmp", {}},  // from the current folder of its drive
        {pics + L"\\über.bmpx", {"サポートしていないフォーマットです"}},
        // The only plug-in was switched off by renaming it.
        {pics + L"\\p.png", {"plugin not found", "サポートしていないフォーマットです"}, true},
    };
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(pics.c_str());
    int index = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(index++);
        DeleteFileA(Wallpaper().c_str());
        WriteStored(RN::kSpiKey, RN::kUseSpi, REG_BINARY, std::string(1, row.plugins));
        WriteText(RN::kSpiKey, RN::kSpiPath, row.plugins ? spi : "");
        TesselRun run(L"\"" + row.path + L"\"");
        MessageBoxWatcher watcher(run.ProcessId());
        EXPECT_EQ(run.Wait(), 0);
        std::vector<std::string> boxes;
        for (const MessageBoxWatcher::Box& box : watcher.Boxes())
            boxes.push_back(box.text);
        EXPECT_EQ(boxes, row.boxes);
        EXPECT_EQ(FileSize(Wallpaper()), row.boxes.empty() ? 54u + 36u * 11u : 0u);
    }
    SetCurrentDirectoryW(current);
}

TEST_F(ProgramTest, TimerMinutesChangeOnTheIntervalAndSurviveARestart)
{
    RegisterPictures();
    {
        TesselRun run("");
        ASSERT_TRUE(Loaded(run));
        for (int minute = 0; minute < 9; ++minute)
            run.Send(WM_TIMER, Protocol::kTimerId);
        EXPECT_EQ(CurrentFile(), -1);
        run.Send(WM_TIMER, Protocol::kTimerId);
        EXPECT_EQ(CurrentWallpaper(), Wallpaper());
        for (int minute = 0; minute < 7; ++minute)
            run.Send(WM_TIMER, Protocol::kTimerId);
        run.Send(WM_COMMAND, IDM_EXIT);
        EXPECT_EQ(run.Wait(), 0);
    }
    EXPECT_EQ(RawValue("", RN::kElapsedTime), Le32(7));
    EXPECT_EQ(CurrentFile(), 0);
    TesselRun restarted("");
    ASSERT_TRUE(Loaded(restarted));
    restarted.Send(WM_TIMER, Protocol::kTimerId);
    restarted.Send(WM_TIMER, Protocol::kTimerId);
    restarted.Send(WM_COMMAND, IDM_PAUSE);  // minutes no longer count
    restarted.Send(WM_TIMER, Protocol::kTimerId);
    restarted.Send(WM_COMMAND, IDM_PAUSE);
    restarted.Send(WM_TIMER, Protocol::kTimerId);
    restarted.Send(WM_ENDSESSION, TRUE);
    EXPECT_EQ(CurrentFile(), 1);
    EXPECT_EQ(RawValue("", RN::kElapsedTime), Le32(0));
    restarted.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(restarted.Wait(), 0);
}

// A window of this test program in front of the resident one: full screen without a
// caption, or maximised with one; of a class of the system's, or a screen saver's.
class FrontWindow {
public:
    explicit FrontWindow(bool caption, const char* windowClass = "STATIC")
        : window_(CreateWindowExA(0, windowClass, "front",
                                  caption ? WS_OVERLAPPEDWINDOW : WS_POPUP, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr))
    {
        ShowWindow(window_, caption ? SW_SHOWMAXIMIZED : SW_SHOW);
        SetForegroundWindow(window_);
    }
    ~FrontWindow() { DestroyWindow(window_); }
    FrontWindow(const FrontWindow&) = delete;
    FrontWindow& operator=(const FrontWindow&) = delete;

private:
    HWND window_;
};

// Minutes under a full-screen program are neither changed nor counted; under a maximised
// window with a caption, a screen saver, or with the option off, they are.
TEST_F(ProgramTest, AutomaticChangeWaitsWhileAFullScreenProgramIsInFront)
{
    WNDCLASSA saverClass = {};
    saverClass.lpfnWndProc = DefWindowProcA;
    saverClass.hInstance = GetModuleHandleA(nullptr);
    saverClass.lpszClassName = "WindowsScreenSaverClass";
    RegisterClassA(&saverClass);
    RegisterPictures();
    WriteInt32(RN::kOptionKey, RN::kInterval, 2);
    for (const bool option : {true, false}) {
        SCOPED_TRACE(option);
        WriteStored(RN::kOptionKey, RN::kFullScreen, REG_BINARY, std::string(1, option));
        DeleteFileA(Wallpaper().c_str());
        TesselRun run("");
        ASSERT_TRUE(Loaded(run));
        auto minutes = [&](int count) {
            for (int minute = 0; minute < count; ++minute)
                run.Send(WM_TIMER, Protocol::kTimerId);
            const bool changed = FileSize(Wallpaper()) != 0;
            DeleteFileA(Wallpaper().c_str());
            return changed;
        };
        {
            const FrontWindow full(false);
            EXPECT_EQ(minutes(3), !option);
        }
        if (option) {
            EXPECT_FALSE(minutes(1)) << "the count starts again where it stood";
            EXPECT_TRUE(minutes(1));
        }
        {
            const FrontWindow maximised(true);
            EXPECT_TRUE(minutes(2));
        }
        {
            const FrontWindow saver(false, saverClass.lpszClassName);
            EXPECT_TRUE(minutes(2)) << "a screen saver";
        }
        run.Send(WM_COMMAND, IDM_EXIT);
        EXPECT_EQ(run.Wait(), 0);
    }
}

TEST_F(ProgramTest, TrayCommandsAndClicksDriveTheEngine)
{
    RegisterPictures();
    TesselRun run("");
    ASSERT_TRUE(Loaded(run));
    run.Send(WM_COMMAND, IDM_NEXT);
    run.Send(WM_COMMAND, IDM_NEXT);
    run.Send(WM_COMMAND, IDM_PREVIOUS);
    run.Send(Protocol::kTrayMessage, 0, WM_LBUTTONDOWN);  // icon click: change in name order
    run.Send(WM_ENDSESSION, TRUE);
    EXPECT_EQ(CurrentFile(), 1);
    // The saver pause survives an end-of-logon save followed by a normal exit.
    run.Send(WM_COMMAND, IDM_SAVER);
    run.Send(WM_ENDSESSION, TRUE);
    EXPECT_EQ(RawValue(RN::kOptionKey, RN::kNoSaver), std::string(1, '\1'));
    run.Send(WM_COMMAND, IDM_CLEAR);
    EXPECT_EQ(CurrentWallpaper(), "");
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    EXPECT_EQ(RawValue(RN::kOptionKey, RN::kNoSaver), std::string(1, '\1'));
}

TEST_F(ProgramTest, DecodingFailureOnATimerChangeKeepsTheWallpaper)
{
    RegisterPictures();
    dir.File("pics\\0.jpg", "this is not a JPEG");
    WriteInt32(RN::kOptionKey, RN::kInterval, 1);
    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    ASSERT_TRUE(Loaded(run));
    run.Send(WM_COMMAND, IDM_PREVIOUS);  // from the start: c.bmp, the last file
    EXPECT_EQ(FileSize(Wallpaper()), 54u + 24u * 6u);
    run.Send(WM_TIMER, Protocol::kTimerId);  // next wraps to 0.jpg, which cannot be decoded
    const auto seen = boxes.Boxes();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "failed ole load");
    EXPECT_EQ(CurrentWallpaper(), Wallpaper());
    EXPECT_EQ(FileSize(Wallpaper()), 54u + 24u * 6u);
    run.Send(WM_ENDSESSION, TRUE);
    EXPECT_EQ(RawValue("", RN::kElapsedTime), Le32(0));
    EXPECT_EQ(CurrentFile(), 0);
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
}

// With one monitor "PerMonitor" changes nothing: the same file, the same desktop values; a
// filled picture is the screen's size.
TEST_F(ProgramTest, PerMonitorOnOneMonitorChangesNothingAndFillCoversTheScreen)
{
    RegisterPictures();
    const struct {
        bool resize, fill;
    } rows[] = {{false, false}, {true, false}, {true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.resize << row.fill);
        WriteStored(RN::kOptionKey, RN::kResize, REG_BINARY, std::string(1, row.resize));
        WriteStored(RN::kOptionKey, RN::kFill, REG_BINARY, std::string(1, row.fill));
        std::string shown[2];
        for (const bool perMonitor : {false, true}) {
            WriteStored(RN::kOptionKey, RN::kPerMonitor, REG_BINARY, std::string(1, perMonitor));
            WriteInt32(RN::kFolderKey, RN::kCurrentFile, -1);
            EXPECT_EQ(TesselRun("/N").Wait(), 0);
            shown[perMonitor] = DesktopValue(RN::kTileWallpaper) + "|" +
                                DesktopValue(RN::kWallpaperStyle) + "|" +
                                ReadWholeFile(Wallpaper());
        }
        EXPECT_GT(shown[0].size(), 54u);
        EXPECT_TRUE(shown[0] == shown[1]);
        const std::string sides = ReadWholeFile(Wallpaper()).substr(18, 8);
        const std::string screen =
            Le32(GetSystemMetrics(SM_CXSCREEN)) + Le32(GetSystemMetrics(SM_CYSCREEN));
        EXPECT_EQ(sides == screen, row.fill);
    }
}

namespace {

// Which of RegisterPictures' files the wallpaper is, by its size; '?' for none.
char Shown(const std::string& wallpaper)
{
    switch (FileSize(wallpaper)) {
    case 54 + 12 * 2: return 'a';
    case 54 + 16 * 4: return 'b';
    case 54 + 24 * 6: return 'c';
    default: return '?';
    }
}

}  // namespace

// "Never again": the picture showing is passed over from then on and the next one shows; a
// path run still shows it. To the Recycle Bin: asked once, the file leaves its folder and the
// list and the next picture shows; a read-only file stays, with a box, and so does the
// wallpaper.
TEST_F(ProgramTest, TheShowingPictureCanBeExcludedOrBinned)
{
    RegisterPictures();
    WriteInt32(RN::kOptionKey, RN::kInterval, 1);
    constexpr WPARAM kExclude = IDM_SHOWING_FIRST + 1, kRecycle = IDM_SHOWING_FIRST + 2;
    {
        TesselRun run("");
        ASSERT_TRUE(Loaded(run));
        run.Send(WM_COMMAND, IDM_NEXT);
        run.Send(WM_COMMAND, kExclude);
        std::string walk(1, Shown(Wallpaper()));
        for (int minute = 0; minute < 3; ++minute) {
            run.Send(WM_TIMER, Protocol::kTimerId);
            walk += Shown(Wallpaper());
        }
        EXPECT_EQ(walk, "bcbc");
        run.Send(WM_COMMAND, IDM_EXIT);
        EXPECT_EQ(run.Wait(), 0);
    }
    EXPECT_EQ(TesselRun("\"" + pictures + "\\a.bmp\"").Wait(), 0);
    EXPECT_EQ(Shown(Wallpaper()), 'a') << "named directly";

    SetFileAttributesA((pictures + "\\b.bmp").c_str(), FILE_ATTRIBUTE_READONLY);
    TesselRun run("");
    ASSERT_TRUE(Loaded(run));
    run.Send(WM_COMMAND, IDM_NEXT);  // b
    const MessageBoxWatcher yes(run.ProcessId(), IDYES);
    run.Send(WM_COMMAND, kRecycle);
    EXPECT_EQ(Shown(Wallpaper()), 'b');
    EXPECT_NE(GetFileAttributesA((pictures + "\\b.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
    run.Send(WM_COMMAND, IDM_NEXT);  // c
    run.Send(WM_COMMAND, kRecycle);
    EXPECT_EQ(GetFileAttributesA((pictures + "\\c.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Shown(Wallpaper()), 'b') << "the next, a passed over";
    std::vector<std::string> boxes;
    for (const MessageBoxWatcher::Box& box : yes.Boxes())
        boxes.push_back(box.caption);
    EXPECT_EQ(boxes, (std::vector<std::string>{"Tesselwane", "エラー", "Tesselwane"}));
    SetFileAttributesA((pictures + "\\b.bmp").c_str(), FILE_ATTRIBUTE_NORMAL);
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
}

// One-shot random runs go on through one round: as many runs as pictures show each once,
// and the next round does not begin with the last.
TEST_F(ProgramTest, RandomRunsShowEveryPictureBeforeOneRepeats)
{
    RegisterPictures();
    std::string shown;
    for (int run = 0; run < 4; ++run) {
        EXPECT_EQ(TesselRun("/R").Wait(), 0);
        shown += Shown(Wallpaper());
    }
    EXPECT_EQ(std::set<char>(shown.begin(), shown.begin() + 3).size(), 3u) << shown;
    EXPECT_NE(shown[3], shown[2]) << shown;
}
