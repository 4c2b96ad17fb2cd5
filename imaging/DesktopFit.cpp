#include "imaging/DesktopFit.h"

#include <limits>

namespace {

bool IsSide(std::int64_t length)
{
    return length > 0 && length <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

std::optional<FittedSize> FitSize(std::int64_t width, std::int64_t height,
                                  std::int64_t desktopWidth, std::int64_t desktopHeight)
{
    if (!IsSide(width) || !IsSide(height) || !IsSide(desktopWidth) || !IsSide(desktopHeight))
        return std::nullopt;
    const double w = static_cast<double>(width);
    const double h = static_cast<double>(height);
    const double W = static_cast<double>(desktopWidth);
    const double H = static_cast<double>(desktopHeight);

    if (W / H < w / h) {
        const double s = W / w;
        if (s == 1.0)
            return FittedSize{width, height, true};
        return FittedSize{desktopWidth, static_cast<std::int64_t>(h * s), false};
    }
    const double s = H / h;
    if (s == 1.0)
        return FittedSize{width, height, true};
    return FittedSize{static_cast<std::int64_t>(w * s), desktopHeight, false};
}
