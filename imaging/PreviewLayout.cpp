#include "imaging/PreviewLayout.h"

#include <limits>

namespace {

bool FitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

std::optional<PreviewRect> PreviewLayout(std::int32_t pictureWidth, std::int32_t pictureHeight,
                                         std::int32_t left, std::int32_t top,
                                         std::int32_t right, std::int32_t bottom)
{
    const std::int64_t boxWidth = std::int64_t{right} - left;
    const std::int64_t boxHeight = std::int64_t{bottom} - top;
    if (pictureWidth <= 0 || pictureHeight <= 0 || !FitsInt32(boxWidth) || !FitsInt32(boxHeight))
        return std::nullopt;

    std::int64_t x = left;
    std::int64_t y = top;
    std::int64_t cx = boxWidth;
    std::int64_t cy = boxHeight;
    const double r = static_cast<double>(pictureWidth) / pictureHeight;
    // 0.75 x r stays below 1 on this side and above 1 on the other, so cx and cy never
    // pass the box's own sides.
    // A side that truncates to nothing keeps one pixel: a thin picture still shows as a line
    // instead of failing to draw.
    if (r < 1.3333333333333333) {
        cx = static_cast<std::int64_t>(0.75 * r * static_cast<double>(boxWidth));
        if (cx == 0 && boxWidth > 0)
            cx = 1;
        x = left + (boxWidth - cx) / 2;
    }
    if (r > 1.3333333333333333) {
        cy = static_cast<std::int64_t>(static_cast<double>(boxHeight) / (0.75 * r));
        if (cy == 0 && boxHeight > 0)
            cy = 1;
        y = top + (boxHeight - cy) / 2;
    }
    return PreviewRect{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                       static_cast<std::int32_t>(cx), static_cast<std::int32_t>(cy)};
}
