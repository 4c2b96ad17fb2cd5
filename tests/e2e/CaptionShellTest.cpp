// The caption colours on the shells people run: 32- or 64-bit, the desktop view under Progman
// or a WorkerW, restarted while the resident program runs; and the 64-bit helper that serves
// a 64-bit shell for the 32-bit program. The 32-bit build runs this in Wine's 64-bit prefix
// (32- and 64-bit programs side by side); the 64-bit build, which runs no 32-bit program,
// answers what concerns 64-bit shells.
#include "engine/CaptionHelper.h"
#include "engine/OptionSettings.h"
#include "engine/ProcessWatcher.h"
#include "hook/DesktopListView.h"
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/hook/DesktopWindows.h"
#include "tests/hook/ShellStandIn.h"
#include "tests/hook/StandInProcess.h"
#include "tests/support/ScratchRegistry.h"
#include "win32/Directory.h"
#include "win32/Wow64.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr COLORREF kChosen = 0x00306090;
constexpr CaptionColors kWanted = {kChosen, CLR_NONE};
constexpr bool kProgramIs64Bit = sizeof(void*) == 8;

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

// The running helper's process and first thread; 0s when none runs.
struct HelperIds {
    DWORD process = 0;
    DWORD thread = 0;
};

HelperIds RunningHelper()
{
    HelperIds ids;
    EnumerateWithToolhelp([](DWORD id, const char* exe, void* user) -> BOOL {
        if (std::string(exe) == "TesselHook64.exe")
            static_cast<HelperIds*>(user)->process = id;
        return TRUE;
    }, &ids);
    const UniqueKernelHandle threads(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(threads.get(), &entry); more && ids.thread == 0;
         more = Thread32Next(threads.get(), &entry)) {
        if (entry.th32OwnerProcessID == ids.process && ids.process != 0)
            ids.thread = entry.th32ThreadID;
    }
    return ids;
}

void EndFromOutside(DWORD processId)
{
    const UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
    ASSERT_TRUE(process);
    TerminateProcess(process.get(), 9);
    WaitForSingleObject(process.get(), 5000);
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
        if (!kProgramIs64Bit && !IsWow64Program())
            GTEST_SKIP() << "needs 64-bit Windows: Wine's 64-bit prefix";
        WriteInt32(RegistryNames::kOptionKey, RegistryNames::kTextColor, kChosen);
    }
    ProgramRegistry registry_;
};

// What needs the 32-bit program: its helper serves it alone.
#define SKIP_UNLESS_32_BIT_PROGRAM(what)                                                    \
    if (kProgramIs64Bit)                                                                    \
    GTEST_SKIP() << what << ": needs the 32-bit program, which this host does not run"

}  // namespace

TEST_F(CaptionShell, ColoursHoldOnEveryShellThroughRepaintsAndRestarts)
{
    for (const char* bits : {"32", "64"}) {
        for (const char* mode : {"progman", "workerw"}) {
            const std::string program = std::string("ShellStandIn") + bits + ".exe";
            SCOPED_TRACE(program + " " + mode);
            if (kProgramIs64Bit && bits[0] == '3') {
                std::printf("SKIP %s %s: a 32-bit shell needs 32-bit code, which this host "
                            "does not run\n", program.c_str(), mode);
                continue;
            }
            std::optional<StandInProcess> shell(std::in_place, program, mode);
            const StandInProcess plain(program, "plain");
            ASSERT_NE(shell->Control(), nullptr);
            ASSERT_NE(plain.Control(), nullptr);
            const auto repaint = [&shell] {
                return static_cast<COLORREF>(shell->Ask(ShellStandIn::kResetAndRepaint));
            };
            TesselRun tessel("");
            ASSERT_NE(tessel.MainWindow(), nullptr);

            EXPECT_EQ(Eventually([] { return GetCaptionColors(FindDesktopListView()); }, kWanted),
                      kWanted);
            // The helper may still be starting: asked again until the hook answers.
            EXPECT_EQ(Eventually(repaint, kChosen), kChosen) << "the hook before the paint";

            // A restarted shell is a new process, its desktop on a thread of its own.
            shell.emplace(program, mode);
            PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
            EXPECT_EQ(Eventually([] { return GetCaptionColors(FindDesktopListView()); }, kWanted),
                      kWanted) << "after TaskbarCreated";
            EXPECT_EQ(Eventually(repaint, kChosen), kChosen) << "the restarted shell's next paint";
            EXPECT_EQ(plain.Ask(ShellStandIn::kHasHookLibrary), 0) << "an ordinary program";
            Close(tessel);
        }
    }
}

TEST_F(CaptionShell, OneHelperLivesWithTheResidentRunWhileTransparencyIsOn)
{
    SKIP_UNLESS_32_BIT_PROGRAM("the helper's lifetime with the resident run");
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

// A helper ended from outside (Task Manager, a crash) comes back at the next forcing of the
// colours, once a minute at most. Until then its thread's id stays taken, so what is posted
// to it can never reach a thread of another program.
TEST_F(CaptionShell, AHelperEndedFromOutsideIsStartedAgainOnceAMinute)
{
    CCaptionHelper helper;
    helper.Start(kChosen);
    const HelperIds first = RunningHelper();
    ASSERT_NE(first.thread, 0u);
    EndFromOutside(first.process);
    EXPECT_TRUE(UniqueKernelHandle(OpenThread(SYNCHRONIZE, FALSE, first.thread)))
        << "the old thread id is free to be given out again";

    helper.Complusion();
    EXPECT_EQ(RunningHelpers(), 1);
    EXPECT_NE(RunningHelper().process, first.process);

    EndFromOutside(RunningHelper().process);
    helper.Complusion();
    EXPECT_EQ(RunningHelpers(), 0) << "a second restart within the minute";
}
