#include "wallpaper/Shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

// A 15-bit generator like the Windows runtime's rand(), deterministic for the test.
std::minstd_rand g_engine;
int Rand15()
{
    return static_cast<int>(g_engine() & 0x7fff);
}

}  // namespace

TEST(Shuffle, DrawsEveryIndexOfLargeBoundsFrom15BitRand)
{
    g_engine.seed(1);
    const std::size_t bound = 70000;
    std::size_t highest = 0;
    for (int i = 0; i < 2000; ++i) {
        const std::size_t index = DrawIndex(bound, Rand15, 0x7fff);
        ASSERT_LT(index, bound);
        highest = std::max(highest, index);
    }
    EXPECT_GT(highest, 65535u);
}

TEST(Shuffle, SmallBoundsStayInRangeAndCoverIt)
{
    g_engine.seed(2);
    EXPECT_EQ(DrawIndex(0, Rand15, 0x7fff), 0u);
    EXPECT_EQ(DrawIndex(1, Rand15, 0x7fff), 0u);
    std::vector<int> seen(3);
    for (int i = 0; i < 300; ++i)
        ++seen.at(DrawIndex(3, Rand15, 0x7fff));
    for (int count : seen)
        EXPECT_GT(count, 60);
}

TEST(Shuffle, PermutesAndReachesPositionsPast32767)
{
    g_engine.seed(3);
    std::vector<int> items(40000);
    std::iota(items.begin(), items.end(), 0);
    ShuffleInPlace(items, Rand15, 0x7fff);
    std::vector<int> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 40000; ++i)
        ASSERT_EQ(sorted[i], i);
    // A draw limited to 15 bits would fill the last slot only from the first 32768.
    int fromHighHalf = 0;
    for (int round = 0; round < 50; ++round) {
        std::iota(items.begin(), items.end(), 0);
        ShuffleInPlace(items, Rand15, 0x7fff);
        fromHighHalf += items.back() >= 32768 ? 1 : 0;
    }
    EXPECT_GT(fromHighHalf, 0);
}
