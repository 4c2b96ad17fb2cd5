#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(StripQuotes, RemovesOnePairAtTheEndsOnly)
{
    EXPECT_EQ(StripQuotes("\"C:\\My Pictures\\a.jpg\""), "C:\\My Pictures\\a.jpg");
    EXPECT_EQ(StripQuotes("\"\"a\"\""), "\"a\"");
    EXPECT_EQ(StripQuotes("a\"b"), "a\"b");
    EXPECT_EQ(StripQuotes("C:\\a.jpg\""), "C:\\a.jpg");
    EXPECT_EQ(StripQuotes("\"C:\\a.jpg"), "C:\\a.jpg");
    EXPECT_EQ(StripQuotes(""), "");
    EXPECT_EQ(StripQuotes("\""), "");
    EXPECT_EQ(StripQuotes("\"\""), "");
}

TEST(ClassifyCommandLine, ShortLinesAreResidentSlashIsOneShotRestIsAPath)
{
    EXPECT_EQ(ClassifyCommandLine(StripQuotes("")), RunKind::Resident);
    EXPECT_EQ(ClassifyCommandLine(StripQuotes("x")), RunKind::Resident);
    EXPECT_EQ(ClassifyCommandLine(StripQuotes("\"\"")), RunKind::Resident);
    EXPECT_EQ(ClassifyCommandLine(StripQuotes("/")), RunKind::Resident);
    EXPECT_EQ(ClassifyCommandLine("/N"), RunKind::OneShot);
    EXPECT_EQ(ClassifyCommandLine("/Nonsense"), RunKind::OneShot);
    EXPECT_EQ(ClassifyCommandLine(StripQuotes("\"C:\\pics\"")), RunKind::Path);
    EXPECT_EQ(ClassifyCommandLine(StripQuotes("\"/N\"")), RunKind::OneShot);
}
