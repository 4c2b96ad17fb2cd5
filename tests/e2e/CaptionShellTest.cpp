// The caption colours on the shells people run: 32- or 64-bit, the desktop view under Progman
// or a WorkerW, restarted while the resident program runs. Needs 64-bit Windows (Wine's 64-bit
// prefix, which runs 32- and 64-bit programs side by side).
#include "engine/OptionSettings.h"
#include "engine/ProcessWatcher.h"
#include "hook/DesktopListView.h"
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/hook/DesktopWindows.h"
#include "tests/hook/ShellStandIn.h"
#include "tests/support/ScratchRegistry.h"
#include "win32/Directory.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr COLORREF kChosen = 0x00306090;
constexpr CaptionColors kWanted = {kChosen, CLR_NONE};

// What read() gives once it equals wanted, or when the time is up.
template <typename Read, typename Value>
Value Eventually(Read read, Value wanted, int milliseconds = 5000)
{
    Value value = read();
    for (int waited = 0; !(value == wanted) && waited < milliseconds; waited += 20) {
        Sleep(20);
        value = read();
    }
    return value;
}

int RunningHelpers()
{
    std::vector<std::string> names;
    EnumerateProcesses(names);
    return static_cast<int>(std::count(names.begin(), names.end(), "TesselHook64.exe"));
}

void Close(TesselRun& tessel)
{
    PostMessageA(tessel.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(tessel.Wait(), 0);
}

class CaptionShell : public testing::Test {
protected:
    void SetUp() override
    {
        if (!IsWow64Program())
            GTEST_SKIP() << "needs 64-bit Windows: Wine's 64-bit prefix";
        WriteInt32(RegistryNames::kOptionKey, RegistryNames::kTextColor, kChosen);
    }
    ProgramRegistry registry_;
};

}  // namespace

TEST_F(CaptionShell, ColoursHoldOnEveryShellThroughRepaintsAndRestarts)
{
    for (const char* shell : {"ShellStandIn32.exe progman", "ShellStandIn32.exe workerw",
                              "ShellStandIn64.exe progman", "ShellStandIn64.exe workerw"}) {
        SCOPED_TRACE(shell);
        std::string commandLine = GetModuleDirectory() + "\\" + shell;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                   nullptr, nullptr, &startup, &info));
        const UniqueKernelHandle process(info.hProcess), thread(info.hThread);
        HWND control = nullptr;
        ASSERT_TRUE(Eventually(
            [&] { return (control = FindWindowA(ShellStandIn::kControlClass, nullptr)) != nullptr; },
            true));
        const auto repaint = [control] {
            return static_cast<COLORREF>(SendMessageA(control, ShellStandIn::kResetAndRepaint, 0, 0));
        };
        HWND listView = FindDesktopListView();
        TesselRun tessel("");
        ASSERT_NE(tessel.MainWindow(), nullptr);

        EXPECT_EQ(Eventually([&] { return GetCaptionColors(listView); }, kWanted), kWanted);
        // The helper may still be starting: asked again until the hook answers.
        EXPECT_EQ(Eventually(repaint, kChosen), kChosen) << "the hook before the paint";
        EXPECT_EQ(GetCaptionColors(listView), kWanted);

        listView = reinterpret_cast<HWND>(SendMessageA(control, ShellStandIn::kRestart, 0, 0));
        EXPECT_EQ(Eventually([&] { return GetCaptionColors(listView); }, kWanted), kWanted)
            << "after TaskbarCreated";
        EXPECT_EQ(repaint(), kChosen) << "the restarted shell's next paint";
        Close(tessel);
        PostMessageA(control, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.get(), 5000);
    }
}

TEST_F(CaptionShell, OneHelperLivesWithTheResidentRunWhileTransparencyIsOn)
{
    {
        TesselRun tessel("");
        ASSERT_NE(tessel.MainWindow(), nullptr);
        EXPECT_EQ(Eventually(RunningHelpers, 1), 1);
        Close(tessel);
        EXPECT_EQ(Eventually(RunningHelpers, 0, 2000), 0) << "after the program's exit";
        const TesselRun killed("");
        EXPECT_EQ(Eventually(RunningHelpers, 1), 1);
    }
    EXPECT_EQ(Eventually(RunningHelpers, 0, 2000), 0) << "after the program was killed";

    // What the option page and the runs that are not resident do.
    const ScratchRegistry scratch;
    OptionSettings options;
    options.Load(scratch.Root());
    EXPECT_EQ(RunningHelpers(), 0) << "no helper outside the resident run";
    OptionSettings resident;
    resident.Load(scratch.Root(), true);
    EXPECT_EQ(RunningHelpers(), 1);
    resident.SetSeeThrough(false);
    EXPECT_EQ(RunningHelpers(), 0) << "transparency switched off";
    resident.SetSeeThrough(true);
    resident.SetSeeThrough(true);
    EXPECT_EQ(RunningHelpers(), 1) << "never more than one";
}
