// The resident run driven for 10,000 commands and timer minutes, mixed with the tray menu
// opened and closed and the settings sheet opened and cancelled, while batches of one-shot
// runs change the wallpaper beside it. Its GDI and user objects, kernel handles and private
// memory are sampled every 1,000: none of them may grow. Every run registers the caption
// hook, so the hook library's shared count must come back to where each run found it.
#include "app/Protocol.h"
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/hook/HookLibrary.h"
#include "tests/hook/StandInProcess.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "win32/Directory.h"

#include <commctrl.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace RN = RegistryNames;

namespace {

constexpr int kCommands = 10000;
constexpr int kSampleEvery = 1000;
// Under Wine on a slow 2-core machine a menu round takes about 15 ms, a sheet round 20-80 ms
// (with unmanaged windows: waiting for a window manager the display lacks adds 2 s to each)
// and a batch of one-shots 1-2 s, so the whole run takes about 70 s.
constexpr int kMenuEvery = 25;
constexpr int kSheetEvery = 50;
// A batch of one-shots starts early in every thousand and is waited for before its end.
constexpr int kBatchStart = 100;
constexpr int kBatchEnd = 900;
constexpr int kOneShotsPerBatch = 4;

constexpr DWORD kAnswerWait = 10000;

struct Sample {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    DWORD handles = 0;
    SIZE_T privateBytes = 0;
};

// Under Wine the object counts and the handle count are not reported (zero, and
// ERROR_CALL_NOT_IMPLEMENTED): there only the memory figure has teeth.
Sample Measure(HANDLE process)
{
    Sample sample;
    sample.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    sample.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    GetProcessHandleCount(process, &sample.handles);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory))
        sample.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    return sample;
}

template <typename Condition>
bool WaitUntil(Condition condition)
{
    for (DWORD waited = 0; !condition(); waited += 5) {
        if (waited >= kAnswerWait)
            return false;
        Sleep(5);
    }
    return true;
}

struct WindowSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchVisibleClass(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, search->className) != 0 || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The resident run's main window, driven as the shell and the user would. The tray menu
// and the settings sheet belong to the window's thread.
class Driver {
public:
    explicit Driver(HWND window)
        : window_(window), thread_(GetWindowThreadProcessId(window, nullptr))
    {
    }

    // True once the program has handled the message.
    bool Send(UINT message, WPARAM wParam) const
    {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(window_, message, wParam, 0, SMTO_NORMAL, kAnswerWait,
                                   &result)
               != 0;
    }

    // A right click on the tray icon, then the menu dismissed without a choice.
    bool OpenAndCloseMenu() const
    {
        PostMessageA(window_, Protocol::kTrayMessage, 0, WM_RBUTTONDOWN);
        if (!WaitUntil([&] { return Visible("#32768") != nullptr; }))
            return false;
        PostMessageA(window_, WM_CANCELMODE, 0, 0);
        return WaitUntil([&] { return Visible("#32768") == nullptr; });
    }

    // The settings sheet opened from the menu's command and closed with Cancel.
    bool OpenAndCancelSheet() const
    {
        PostMessageA(window_, WM_COMMAND, IDM_SETTINGS, 0);
        HWND sheet = nullptr;
        if (!WaitUntil([&] { return (sheet = Visible("#32770")) != nullptr; })
            || GetWindow(sheet, GW_OWNER) != window_)
            return false;
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return WaitUntil([&] { return !IsWindow(sheet); });
    }

    // A message box of the program, while no sheet is open.
    bool ShowsBox() const { return Visible("#32770") != nullptr; }

private:
    HWND Visible(const char* className) const
    {
        WindowSearch search = {className, nullptr};
        EnumThreadWindows(thread_, MatchVisibleClass, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    HWND window_;
    DWORD thread_;
};

// A one-shot "/N" run with its message boxes recorded and answered.
struct OneShot {
    OneShot() : run("/N"), boxes(run.ProcessId()) {}
    TesselRun run;
    MessageBoxWatcher boxes;
};

using Batch = std::vector<std::unique_ptr<OneShot>>;

// Each run of the batch ended normally without a message box.
void ExpectEndedQuietly(const Batch& batch)
{
    for (const auto& oneShot : batch) {
        EXPECT_EQ(oneShot->run.Wait(30000), 0);
        for (const MessageBoxWatcher::Box& box : oneShot->boxes.Boxes())
            ADD_FAILURE() << "a one-shot run showed \"" << box.text << "\"";
    }
}

}  // namespace

TEST(ReliabilitySoakTest, TenThousandCommandsMenusSheetsAndOneShotsLeaveNothingBehind)
{
    ProgramRegistry registry;
    TempDir dir;
    const std::string pictures = dir.Folder("pics");
    const std::string tmp = dir.Folder("tmp");
    dir.File("pics\\a.bmp", SolidBmp(31, 17, 0x0000FF));
    dir.File("pics\\b.bmp", SolidBmp(64, 48, 0x00FF00));
    dir.File("pics\\c.bmp", SolidBmp(7, 6, 0xFF0000));
    const std::string folderList = std::string(RN::kFolderKey) + RN::kFolderListKey;
    WriteText(RN::kFolderKey, RN::kTmpPath, tmp);
    WriteInt32(RN::kFolderKey, RN::kNumFolder, 1);
    WriteText(folderList, "0", pictures);
    WriteInt32(RN::kOptionKey, RN::kInterval, 1);
    // Caption transparency on: every run, one-shots too, registers the caption hook.
    WriteStored(RN::kOptionKey, RN::kSeeThrough, REG_BINARY, FlagValue(true).bytes);
    WriteInt32(RN::kHotkeyKey, "Escape", 0x077B);  // Ctrl+Alt+Shift+F12: held once loaded

    // The library file the program maps, so the same shared section. Wine keeps it mapped
    // in processes the hook reached, so counts are compared with the one found first.
    const UniqueModule library(LoadLibraryA((GetModuleDirectory() + "\\tesselsub.dll").c_str()));
    volatile HookSharedState* hook = SharedStateOf(library.get());
    ASSERT_NE(hook, nullptr);
    const LONG countBefore = hook->count;

    // The hook is set on the desktop's thread: a stand-in shell gives it one.
    const StandInProcess shell("progman");
    ASSERT_NE(shell.Control(), nullptr);
    const DWORD started = GetTickCount();
    TesselRun run("");
    ASSERT_NE(run.MainWindow(), nullptr);
    ASSERT_TRUE(run.WaitForHotkey(MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F12));
    const LONG countResident = hook->count;
    EXPECT_EQ(countResident, countBefore + 1);
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, run.ProcessId()));
    ASSERT_TRUE(process);
    const Driver driver(run.MainWindow());

    // 0 stands for a timer minute; pause goes on and off around one.
    const WPARAM commands[] = {IDM_NEXT, IDM_PREVIOUS, IDM_RANDOM, IDM_CHANGE,
                               0,        IDM_PAUSE,    0,          IDM_PAUSE};
    std::vector<Sample> samples;
    Batch batch;
    int menus = 0, sheets = 0, oneShots = 0;
    for (int i = 1; i <= kCommands; ++i) {
        if (i % kMenuEvery == 0) {
            ASSERT_TRUE(driver.OpenAndCloseMenu()) << "menu at " << i;
            ++menus;
        }
        if (i % kSheetEvery == 0) {
            ASSERT_TRUE(driver.OpenAndCancelSheet()) << "sheet at " << i;
            ++sheets;
        }
        if (i % kSampleEvery == kBatchStart) {
            for (int n = 0; n < kOneShotsPerBatch; ++n)
                batch.push_back(std::make_unique<OneShot>());
        }
        if (i % kSampleEvery == kBatchEnd) {
            ExpectEndedQuietly(batch);
            oneShots += static_cast<int>(batch.size());
            batch.clear();
            EXPECT_EQ(hook->count, countResident) << "after the one-shots at " << i;
        }
        const WPARAM command = commands[i % (sizeof commands / sizeof commands[0])];
        ASSERT_TRUE(command == 0 ? driver.Send(WM_TIMER, Protocol::kTimerId)
                                 : driver.Send(WM_COMMAND, command))
            << "command " << i << " not answered";
        if (i % kSampleEvery == 0) {
            samples.push_back(Measure(process.get()));
            ASSERT_FALSE(driver.ShowsBox()) << "a message box after " << i;
        }
    }
    for (std::size_t i = 0; i < samples.size(); ++i)
        std::printf("after %5zu: GDI %lu, user %lu, handles %lu, private %lu KiB\n",
                    (i + 1) * kSampleEvery, samples[i].gdiObjects, samples[i].userObjects,
                    samples[i].handles, static_cast<unsigned long>(samples[i].privateBytes / 1024));
    ASSERT_NE(samples.front().privateBytes, 0u);
    // The first thousand warm every cache; after that nothing may grow.
    const Sample& first = samples.front();
    const Sample& last = samples.back();
    EXPECT_LE(last.gdiObjects, first.gdiObjects);
    EXPECT_LE(last.userObjects, first.userObjects);
    EXPECT_LE(last.handles, first.handles + 2);
    EXPECT_LE(last.privateBytes, first.privateBytes + 1024 * 1024);

    driver.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0);
    std::printf("%d commands, %d menus, %d sheets, %d one-shots in %lu s; hook count %ld "
                "before, %ld with the resident run, %ld after\n",
                kCommands, menus, sheets, oneShots, (GetTickCount() - started) / 1000,
                static_cast<long>(countBefore), static_cast<long>(countResident),
                static_cast<long>(hook->count));
    EXPECT_EQ(hook->count, countBefore);
    // Cancel applied nothing: the settings come back as they were written.
    EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kTmpPath), TextValue(tmp));
    EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kNumFolder), Int32Value(1));
    EXPECT_EQ(ReadStored(folderList, "0"), TextValue(pictures));
    EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kInterval), Int32Value(1));
    EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kSeeThrough), FlagValue(true));
    EXPECT_EQ(ReadStored(RN::kHotkeyKey, "Escape"), Int32Value(0x077B));
}
