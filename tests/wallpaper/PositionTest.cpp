#include "wallpaper/Position.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

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

// Walks for several monitors: forward from the stored position, back to the files before
// those shown (from outside the list: the last ones), and lists shorter than the walk.
TEST(Position, WalksForSeveralMonitors)
{
    using Positions = std::vector<std::int32_t>;
    const struct {
        std::int32_t current, count, n;
        Positions next, previous;
    } rows[] = {
        {-1, 5, 2, {0, 1}, {3, 4}},
        {1, 5, 2, {2, 3}, {3, 4}},
        {4, 5, 3, {0, 1, 2}, {4, 0, 1}},
        {0, 3, 2, {1, 2}, {0, 1}},
        {1, 2, 3, {0, 1, 0}, {0, 1, 0}},
        {kMax, 4, 2, {0, 1}, {2, 3}},
        {kMin, 4, 2, {0, 1}, {2, 3}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.current << " of " << row.count << ", " << row.n);
        EXPECT_EQ(NextPositions(row.current, row.count, row.n), row.next);
        EXPECT_EQ(PreviousPositions(row.current, row.count, row.n), row.previous);
    }
}
