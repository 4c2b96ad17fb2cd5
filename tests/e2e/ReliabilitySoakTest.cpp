// The resident run driven for 10,000 commands and timer minutes with its GDI and user objects,
// kernel handles and private memory sampled every 1,000: none of them may grow.
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TempDir.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace RN = RegistryNames;

namespace {

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

}  // namespace

TEST(ReliabilitySoakTest, TenThousandCommandsLeaveNoResourcesBehind)
{
    ProgramRegistry registry;
    TempDir dir;
    const std::string pictures = dir.Folder("pics");
    dir.File("pics\\a.bmp", SolidBmp(31, 17, 255, 0, 0));
    dir.File("pics\\b.bmp", SolidBmp(64, 48, 0, 255, 0));
    dir.File("pics\\c.bmp", SolidBmp(7, 6, 0, 0, 255));
    WriteText(RN::kFolderKey, RN::kTmpPath, dir.Folder("tmp"));
    WriteInt32(RN::kFolderKey, RN::kNumFolder, 1);
    WriteText(std::string(RN::kFolderKey) + RN::kFolderListKey, "0", pictures);
    WriteInt32(RN::kOptionKey, RN::kInterval, 1);
    WriteInt32(RN::kHotkeyKey, "Escape", 0x077B);  // Ctrl+Alt+Shift+F12: held once loaded

    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    ASSERT_NE(run.MainWindow(), nullptr);
    ASSERT_TRUE(run.WaitForHotkey(MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F12));
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, run.ProcessId()));
    ASSERT_TRUE(process);

    // Next, previous, random, change, a timer minute, and pause on and off around a minute.
    const WPARAM commands[] = {106, 107, 110, 105, 0, 103, 0, 103};
    std::vector<Sample> samples;
    for (int i = 1; i <= 10000; ++i) {
        const WPARAM command = commands[i % (sizeof commands / sizeof commands[0])];
        if (command == 0)
            run.Send(WM_TIMER, 100);
        else
            run.Send(WM_COMMAND, command);
        if (i % 1000 == 0)
            samples.push_back(Measure(process.get()));
    }
    for (std::size_t i = 0; i < samples.size(); ++i)
        std::printf("after %5zu: GDI %lu, user %lu, handles %lu, private %lu KiB\n",
                    (i + 1) * 1000, samples[i].gdiObjects, samples[i].userObjects,
                    samples[i].handles, static_cast<unsigned long>(samples[i].privateBytes / 1024));
    EXPECT_TRUE(boxes.Boxes().empty());
    ASSERT_NE(samples.front().privateBytes, 0u);
    // The first thousand warm every cache; after that nothing may grow.
    const Sample& first = samples.front();
    const Sample& last = samples.back();
    EXPECT_LE(last.gdiObjects, first.gdiObjects);
    EXPECT_LE(last.userObjects, first.userObjects);
    EXPECT_LE(last.handles, first.handles + 2);
    EXPECT_LE(last.privateBytes, first.privateBytes + 2 * 1024 * 1024);
    run.Send(WM_COMMAND, 101);
    EXPECT_EQ(run.Wait(), 0);
}
