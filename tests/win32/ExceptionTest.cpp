#include "win32/Exception.h"
#include "tests/support/DebugCapture.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/Probe.h"

#include <gtest/gtest.h>

TESSEL_PROBE(RaiseAndCopy)
{
    try {
        throw CException("trace me");
    } catch (const CException& caught) {
        const CException copy = caught;
        CException assigned("second");
        assigned = copy;
        return assigned.Message() == "trace me" ? 0 : 2;
    }
}

TEST(CException, TracesOncePerRaiseNotPerCopy)
{
    // 64-bit exceptions are raised through the system, and Wine 8 ends such a debuggee.
    if (sizeof(void*) == 8)
        GTEST_SKIP() << "64-bit Wine 8 ends a debugged process that throws";
    const DebugRun run = RunProbeUnderDebugger("RaiseAndCopy");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.Count("Exception!!\ntrace me\n"), 1);
    EXPECT_EQ(run.Count("Exception!!\nsecond\n"), 1);
}

TEST(CException, ShowMessageUsesTheSystemCaption)
{
    MessageBoxWatcher watcher;
    CException("ファイルが見つかりません").ShowMessage();
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "ファイルが見つかりません");
    EXPECT_EQ(boxes[0].caption, "エラー");
}
