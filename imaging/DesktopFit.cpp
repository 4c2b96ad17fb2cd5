#include "imaging/DesktopFit.h"

#include <algorithm>
#include <limits>

namespace {

bool IsSide(std::int64_t length)
{
    return length > 0 && length <= std::numeric_limits<std::int32_t>::max();
}

// A side that truncates to nothing keeps one pixel, so a thin picture still makes a wallpaper.
std::int64_t Scaled(double length, double scale)
{
    const auto scaled = static_cast<std::int64_t>(length * scale);
    return scaled > 0 ? scaled : 1;
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
        return FittedSize{desktopWidth, Scaled(h, s), false};
    }
    const double s = H / h;
    if (s == 1.0)
        return FittedSize{width, height, true};
    return FittedSize{Scaled(w, s), desktopHeight, false};
}

std::optional<FittedSize> FillSize(std::int64_t width, std::int64_t height,
                                   std::int64_t desktopWidth, std::int64_t desktopHeight)
{
    if (!IsSide(width) || !IsSide(height) || !IsSide(desktopWidth) || !IsSide(desktopHeight))
        return std::nullopt;
    const double w = static_cast<double>(width);
    const double h = static_cast<double>(height);
    const double W = static_cast<double>(desktopWidth);
    const double H = static_cast<double>(desktopHeight);

    // Rounding may leave the covering side a pixel short of the desktop: it never may be.
    std::optional<FittedSize> fill;
    if (W / H < w / h) {
        const double s = H / h;
        fill = s == 1.0 ? FittedSize{width, height, true}
                        : FittedSize{std::max(Scaled(w, s), desktopWidth), desktopHeight, false};
    } else {
        const double s = W / w;
        fill = s == 1.0 ? FittedSize{width, height, true}
                        : FittedSize{desktopWidth, std::max(Scaled(h, s), desktopHeight), false};
    }
    if (!IsSide(fill->width) || !IsSide(fill->height))
        return std::nullopt;
    return fill;
}
