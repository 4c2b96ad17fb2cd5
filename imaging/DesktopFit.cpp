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

// cover: the larger ratio sets the size (fill), else the smaller (fit). The side the ratio
// comes from meets the desktop's exactly.
std::optional<FittedSize> Scale(std::int64_t width, std::int64_t height, std::int64_t desktopWidth,
                                std::int64_t desktopHeight, bool cover)
{
    if (!IsSide(width) || !IsSide(height) || !IsSide(desktopWidth) || !IsSide(desktopHeight))
        return std::nullopt;
    const double w = static_cast<double>(width);
    const double h = static_cast<double>(height);
    const double W = static_cast<double>(desktopWidth);
    const double H = static_cast<double>(desktopHeight);

    // Rounding may leave a covering side a pixel short of the desktop: it never may be.
    const auto atLeast = [cover](std::int64_t side, std::int64_t desktopSide) {
        return cover ? std::max(side, desktopSide) : side;
    };
    FittedSize size;
    if ((W / H < w / h) != cover) {
        const double s = W / w;
        size = s == 1.0 ? FittedSize{width, height, true}
                        : FittedSize{desktopWidth, atLeast(Scaled(h, s), desktopHeight), false};
    } else {
        const double s = H / h;
        size = s == 1.0 ? FittedSize{width, height, true}
                        : FittedSize{atLeast(Scaled(w, s), desktopWidth), desktopHeight, false};
    }
    if (!IsSide(size.width) || !IsSide(size.height))
        return std::nullopt;
    return size;
}

}  // namespace

std::optional<FittedSize> FitSize(std::int64_t width, std::int64_t height,
                                  std::int64_t desktopWidth, std::int64_t desktopHeight)
{
    return Scale(width, height, desktopWidth, desktopHeight, false);
}

std::optional<FittedSize> FillSize(std::int64_t width, std::int64_t height,
                                   std::int64_t desktopWidth, std::int64_t desktopHeight)
{
    return Scale(width, height, desktopWidth, desktopHeight, true);
}
