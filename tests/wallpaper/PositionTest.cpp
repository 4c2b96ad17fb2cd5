#include "wallpaper/Position.h"

#include <gtest/gtest.h>

#include <limits>

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Position, NextWrapsAndNeverOverflows)
{
    EXPECT_EQ(NextPosition(-1, 2), 0);
    EXPECT_EQ(NextPosition(0, 2), 1);
    EXPECT_EQ(NextPosition(1, 2), 0);
    EXPECT_EQ(NextPosition(40, 10), 0);
    EXPECT_EQ(NextPosition(kMax, 10), 0);
    EXPECT_EQ(NextPosition(kMax - 1, 10), 0);
    EXPECT_EQ(NextPosition(-7, 10), 0);
    EXPECT_EQ(NextPosition(kMin, 10), 0);
    EXPECT_EQ(NextPosition(0, 1), 0);
}

TEST(Position, PreviousWrapsAndBeyondTheEndGivesLast)
{
    EXPECT_EQ(PreviousPosition(-1, 2), 1);
    EXPECT_EQ(PreviousPosition(1, 2), 0);
    EXPECT_EQ(PreviousPosition(0, 2), 1);
    EXPECT_EQ(PreviousPosition(2, 2), 1);
    EXPECT_EQ(PreviousPosition(40, 10), 9);
    EXPECT_EQ(PreviousPosition(kMax, 10), 9);
    EXPECT_EQ(PreviousPosition(kMin, 10), 9);
    EXPECT_EQ(PreviousPosition(0, 1), 0);
}
