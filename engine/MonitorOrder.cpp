#include "engine/MonitorOrder.h"

#include "portable/ByteOrder.h"

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

std::string ScreenBytes(const MonitorBox& screen, const std::vector<MonitorBox>& monitors)
{
    std::string bytes;
    const auto put = [&bytes](const MonitorBox& box) {
        for (const std::int32_t value : {box.left, box.top, box.right, box.bottom}) {
            std::uint8_t field[4];
            PutLe32(field, static_cast<std::uint32_t>(value));
            bytes.append(reinterpret_cast<const char*>(field), sizeof field);
        }
    };
    put(screen);
    for (const MonitorBox& monitor : monitors)
        put(monitor);
    return bytes;
}
