// tools/wine-tests runs the settings tests a second time with the screen at 144 dpi and
// says so in TESSEL_TEST_DPI: that run must not pass at 96 unnoticed.
#include "win32/GdiGuards.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(ScreenDpi, IsTheOneTheRunAskedFor)
{
    const char* asked = std::getenv("TESSEL_TEST_DPI");
    if (asked == nullptr)
        GTEST_SKIP() << "the run asked for no particular DPI";
    EXPECT_EQ(GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX), std::atoi(asked));
}
