#include "engine/MonitorOrder.h"

#include <gtest/gtest.h>

// The system lists monitors in any order; the primary takes the first picture even when it
// is not the leftmost, the rest go left to right, then top to bottom.
TEST(MonitorOrder, PrimaryFirstThenLeftEdgeThenTopEdge)
{
    std::vector<MonitorBox> monitors = {
        {1920, 0, 3840, 1080, false},
        {-1280, 500, 0, 1524, false},
        {0, 0, 1920, 1080, true},
        {-1280, -524, 0, 500, false},
    };
    SortMonitors(monitors);
    const std::int32_t expected[][2] = {{0, 0}, {-1280, -524}, {-1280, 500}, {1920, 0}};
    ASSERT_EQ(monitors.size(), 4u);
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        EXPECT_EQ(monitors[i].left, expected[i][0]) << i;
        EXPECT_EQ(monitors[i].top, expected[i][1]) << i;
    }
}
