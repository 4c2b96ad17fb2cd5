#include "imaging/Orientation.h"

#include "portable/DibLayout.h"

#include <cstring>

TurnedView TurnView(int orientation, std::int32_t width, std::int32_t height) noexcept
{
    return TurnView(orientation, width, height,
                    static_cast<std::ptrdiff_t>(DibStride(static_cast<std::uint64_t>(width), 24)));
}

TurnedView TurnView(int orientation, std::int32_t width, std::int32_t height,
                    std::ptrdiff_t stride) noexcept
{
    const std::ptrdiff_t lastRow = (height - 1) * stride;
    const std::ptrdiff_t lastPixel = std::ptrdiff_t{width - 1} * 3;
    // Shown (x, y) from the top against stored (sx, sy) from the top: 2 sx = W-1-x; 3 both
    // mirrored; 4 sy = H-1-y; 5 sx = y, sy = x; 6 (90° clockwise) sx = y, sy = H-1-x;
    // 7 sx = W-1-y, sy = H-1-x; 8 (90° anticlockwise) sx = W-1-y, sy = x.
    switch (orientation) {
    case 2: return {width, height, lastPixel, stride, -3};
    case 3: return {width, height, lastRow + lastPixel, -stride, -3};
    case 4: return {width, height, lastRow, -stride, 3};
    case 5: return {height, width, lastRow + lastPixel, -3, -stride};
    case 6: return {height, width, lastPixel, -3, stride};
    case 7: return {height, width, 0, 3, stride};
    case 8: return {height, width, lastRow, 3, -stride};
    default: return {width, height, 0, stride, 3};
    }
}

bool SwapsSides(int orientation) noexcept
{
    return orientation >= 5 && orientation <= 8;
}

PixelWindow StoredWindow(int orientation, std::int32_t width, std::int32_t height,
                         const PixelWindow& window) noexcept
{
    // The window's corners from the top of the shown picture, then the stored pixels they
    // come from, as TurnView maps them.
    const std::int32_t shownHeight = SwapsSides(orientation) ? width : height;
    const std::int32_t x0 = window.left;
    const std::int32_t x1 = window.left + window.width - 1;
    const std::int32_t y0 = shownHeight - window.bottom - window.height;
    const std::int32_t y1 = shownHeight - window.bottom - 1;
    const bool mirrorX = orientation == 2 || orientation == 3 || orientation == 7 || orientation == 8;
    const bool mirrorY = orientation == 3 || orientation == 4 || orientation == 6 || orientation == 7;
    // Stored columns come from shown columns, or from shown rows after a quarter turn.
    std::int32_t left = SwapsSides(orientation) ? y0 : x0;
    std::int32_t right = SwapsSides(orientation) ? y1 : x1;
    std::int32_t top = SwapsSides(orientation) ? x0 : y0;
    std::int32_t bottom = SwapsSides(orientation) ? x1 : y1;
    if (mirrorX) {
        const std::int32_t mirrored = width - 1 - right;
        right = width - 1 - left;
        left = mirrored;
    }
    if (mirrorY) {
        const std::int32_t mirrored = height - 1 - bottom;
        bottom = height - 1 - top;
        top = mirrored;
    }
    return PixelWindow{left, height - 1 - bottom, right - left + 1, bottom - top + 1};
}

void CopyTurned(const std::uint8_t* src, const TurnedView& view, std::uint8_t* dst) noexcept
{
    const auto stride = static_cast<std::size_t>(DibStride(static_cast<std::uint64_t>(view.width), 24));
    CopyTurned(src, view, PixelWindow{0, 0, view.width, view.height}, dst, stride);
}

void CopyTurned(const std::uint8_t* src, const TurnedView& view, const PixelWindow& window,
                std::uint8_t* dst, std::size_t dstStride) noexcept
{
    const std::uint8_t* origin =
        src + view.origin + std::ptrdiff_t{window.bottom} * view.rowStep +
        std::ptrdiff_t{window.left} * view.pixelStep;
    // Blocks of 32 x 32 pixels: a turn by a quarter reads down the stored columns, and a
    // block keeps the rows it reads in the cache.
    constexpr std::int32_t kBlock = 32;
    for (std::int32_t top = 0; top < window.height; top += kBlock) {
        const std::int32_t rows = top + kBlock < window.height ? kBlock : window.height - top;
        for (std::int32_t left = 0; left < window.width; left += kBlock) {
            const std::int32_t pixels = left + kBlock < window.width ? kBlock : window.width - left;
            for (std::int32_t row = top; row < top + rows; ++row) {
                const std::uint8_t* from = origin + row * view.rowStep + left * view.pixelStep;
                std::uint8_t* to = dst + static_cast<std::size_t>(row) * dstStride +
                                   static_cast<std::size_t>(left) * 3;
                for (std::int32_t x = 0; x < pixels; ++x, from += view.pixelStep, to += 3)
                    std::memcpy(to, from, 3);
            }
        }
    }
}
