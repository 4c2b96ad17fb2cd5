#include "engine/MonitorOrder.h"

#include <gtest/gtest.h>

#include <utility>

// The system lists monitors in any order; the primary takes the first picture even when it
// is not the leftmost, the rest go left to right, then top to bottom.
TEST(MonitorOrder, PrimaryFirstThenLeftEdgeThenTopEdge)
{
    std::vector<MonitorBox> monitors = {{1920, 0, 3840, 1080, false},
                                        {-1280, 500, 0, 1524, false},
                                        {0, 0, 1920, 1080, true},
                                        {-1280, -524, 0, 500, false}};
    SortMonitors(monitors);
    using Corners = std::vector<std::pair<int, int>>;
    Corners corners;
    for (const MonitorBox& monitor : monitors)
        corners.emplace_back(monitor.left, monitor.top);
    EXPECT_EQ(corners, (Corners{{0, 0}, {-1280, -524}, {-1280, 500}, {1920, 0}}));
}
