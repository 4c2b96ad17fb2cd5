#include "engine/MonitorOrder.h"

#include <algorithm>
#include <tuple>

void SortMonitors(std::vector<MonitorBox>& monitors)
{
    std::stable_sort(monitors.begin(), monitors.end(),
                     [](const MonitorBox& a, const MonitorBox& b) {
                         return std::make_tuple(!a.primary, a.left, a.top) <
                                std::make_tuple(!b.primary, b.left, b.top);
                     });
}
