#include "engine/ProcessFileName.h"

#include <gtest/gtest.h>

TEST(ProcessFileName, KeepsOnlyTheTextAfterTheLastBackslash)
{
    EXPECT_EQ(ProcessFileName("C:\\WINDOWS\\SYSTEM\\EXPLORER.EXE"), "EXPLORER.EXE");
    EXPECT_EQ(ProcessFileName("notepad.exe"), "notepad.exe");
    EXPECT_EQ(ProcessFileName("C:\\odd\\"), "");
    EXPECT_EQ(ProcessFileName(""), "");
}

TEST(ProcessFileName, TrailBytesThatLookLikeBackslashesDoNotSplit)
{
    // "ソフト\表示.exe": both ソ (83 5C) and 表 (95 5C) end in a backslash byte.
    EXPECT_EQ(ProcessFileName("C:\\\x83\x5c\x83\x74\x83\x67\\\x95\x5c\x8e\xa6.exe"),
              "\x95\x5c\x8e\xa6.exe");
    EXPECT_EQ(ProcessFileName("\x95\x5c.exe"), "\x95\x5c.exe");
    EXPECT_EQ(ProcessFileName("C:\\\x95"), "\x95") << "a lead byte cut off at the end";
}
