// The caption colours on the shells people run: a shell of either bitness, its desktop view
// under Progman or under a WorkerW, restarted while the resident program runs. Needs a
// 64-bit Windows (Wine's 64-bit prefix, which runs 32- and 64-bit programs side by side).
#include "engine/CaptionHelper.h"
#include "engine/OptionSettings.h"
#include "engine/ProcessWatcher.h"
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
#include <string>
#include <vector>

namespace {

constexpr COLORREF kChosen = 0x00306090;
constexpr CaptionColors kWanted = {kChosen, CLR_NONE};

// One shell stand-in process, closed with its control window.
class ShellRun {
public:
    ShellRun(const char* program, const char* parent)
    {
        std::string commandLine = GetModuleDirectory() + "\\" + program + " " + parent;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info)) {
            process_.reset(info.hProcess);
            UniqueKernelHandle(info.hThread).reset();
        }
        for (int waited = 0; control_ == nullptr && waited < 10000; waited += 20) {
            Sleep(20);
            control_ = FindWindowA(ShellStandIn::kControlClass, nullptr);
        }
    }
    ~ShellRun()
    {
        PostMessageA(control_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0)
            TerminateProcess(process_.get(), 1);
    }
    bool Started() const { return control_ != nullptr; }
    // The text colour right after the shell's own colours and a repaint, which only the hook
    // can change; asked again until it is the chosen one (the helper may still be starting).
    COLORREF ColorAfterRepaint() const
    {
        COLORREF color = Repaint();
        for (int waited = 0; color != kChosen && waited < 5000; waited += 20) {
            Sleep(20);
            color = Repaint();
        }
        return color;
    }
    HWND Restart() const { return reinterpret_cast<HWND>(Send(ShellStandIn::kRestart)); }

private:
    COLORREF Repaint() const
    {
        return static_cast<COLORREF>(Send(ShellStandIn::kResetAndRepaint));
    }
    LRESULT Send(UINT message) const
    {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(control_, message, 0, 0, SMTO_NORMAL, 10000, &result);
        return static_cast<LRESULT>(result);
    }

    UniqueKernelHandle process_;
    HWND control_ = nullptr;
};

HWND DesktopListView(HWND top)
{
    return FindWindowExA(FindWindowExA(top, nullptr, "SHELLDLL_DefView", nullptr), nullptr,
                         "SysListView32", nullptr);
}

// The caption colours once they are the wanted ones, or as they were when the time ran out.
CaptionColors ColorsOnceWanted(HWND listView)
{
    CaptionColors colors = GetCaptionColors(listView);
    for (int waited = 0; !(colors == kWanted) && waited < 5000; waited += 20) {
        Sleep(20);
        colors = GetCaptionColors(listView);
    }
    return colors;
}

int RunningHelpers()
{
    std::vector<std::string> names;
    EnumerateProcesses(names);
    return static_cast<int>(std::count(names.begin(), names.end(), "TesselHook64.exe"));
}

// The number of helpers once it is the expected one, or when two seconds have passed.
int HelpersWithin2s(int expected)
{
    int running = RunningHelpers();
    for (int waited = 0; running != expected && waited < 2000; waited += 50) {
        Sleep(50);
        running = RunningHelpers();
    }
    return running;
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
            GTEST_SKIP() << "needs 64-bit Windows: run in Wine's 64-bit prefix";
        WriteInt32(RegistryNames::kOptionKey, RegistryNames::kTextColor,
                   static_cast<std::int32_t>(kChosen));
    }

    ProgramRegistry registry_;
};

}  // namespace

TEST_F(CaptionShell, ColoursHoldOnEveryShellThroughRepaintsAndRestarts)
{
    struct Arrangement {
        const char* program;
        const char* parent;
        const char* topClass;
    };
    const Arrangement arrangements[] = {
        {"ShellStandIn32.exe", "progman", "Progman"},
        {"ShellStandIn32.exe", "workerw", "WorkerW"},
        {"ShellStandIn64.exe", "progman", "Progman"},
        {"ShellStandIn64.exe", "workerw", "WorkerW"},
    };
    for (const Arrangement& arrangement : arrangements) {
        SCOPED_TRACE(std::string(arrangement.program) + " " + arrangement.parent);
        const ShellRun shell(arrangement.program, arrangement.parent);
        ASSERT_TRUE(shell.Started());
        HWND listView = nullptr;
        for (HWND top = nullptr; listView == nullptr;) {
            top = FindWindowExA(nullptr, top, arrangement.topClass, nullptr);
            ASSERT_NE(top, nullptr);
            listView = DesktopListView(top);
        }
        TesselRun tessel("");
        ASSERT_NE(tessel.MainWindow(), nullptr);

        EXPECT_EQ(ColorsOnceWanted(listView), kWanted) << "after the start";
        EXPECT_EQ(shell.ColorAfterRepaint(), kChosen) << "the hook puts the colour back";
        EXPECT_EQ(GetCaptionColors(listView), kWanted);

        listView = shell.Restart();
        EXPECT_EQ(ColorsOnceWanted(listView), kWanted) << "after TaskbarCreated";
        EXPECT_EQ(shell.ColorAfterRepaint(), kChosen) << "the restarted shell's next paint";
        Close(tessel);
    }
}

TEST_F(CaptionShell, OneHelperLivesWithTheResidentRunWhileTransparencyIsOn)
{
    ASSERT_EQ(RunningHelpers(), 0);
    {
        TesselRun tessel("");
        ASSERT_NE(tessel.MainWindow(), nullptr);
        EXPECT_EQ(HelpersWithin2s(1), 1);
        Close(tessel);
        EXPECT_EQ(HelpersWithin2s(0), 0) << "after the program's exit";
    }
    {
        TesselRun tessel("");
        ASSERT_NE(tessel.MainWindow(), nullptr);
        EXPECT_EQ(HelpersWithin2s(1), 1);
    }  // killed
    EXPECT_EQ(HelpersWithin2s(0), 0) << "after the program was killed";

    // As the option page applies it; the runs that are not resident start none.
    const ScratchRegistry scratch;
    {
        OptionSettings options;
        options.Load(scratch.Root());
        EXPECT_EQ(RunningHelpers(), 0) << "no helper outside the resident run";
    }
    OptionSettings options;
    options.Load(scratch.Root(), true);
    EXPECT_EQ(RunningHelpers(), 1);
    options.SetSeeThrough(false);
    EXPECT_EQ(RunningHelpers(), 0) << "transparency switched off";
    options.SetSeeThrough(true);
    options.SetSeeThrough(true);
    EXPECT_EQ(RunningHelpers(), 1) << "never more than one";
}
