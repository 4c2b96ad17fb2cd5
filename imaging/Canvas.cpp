#include "imaging/Canvas.h"

#include "portable/DibLayout.h"

#include <algorithm>
#include <cstring>

std::size_t CanvasStride(std::int32_t width) noexcept
{
    return static_cast<std::size_t>(DibStride(static_cast<std::uint64_t>(width), 24));
}

std::optional<Placement> PlaceCentred(std::int64_t fullWidth, std::int64_t fullHeight,
                                      std::int64_t left, std::int64_t top, std::int64_t right,
                                      std::int64_t bottom, std::int32_t canvasWidth,
                                      std::int32_t canvasHeight)
{
    // Division truncates towards zero either way, so the picture's own left edge lies half
    // the difference in or out, the odd pixel going to the right.
    const std::int64_t pictureLeft = left + (right - left - fullWidth) / 2;
    const std::int64_t pictureTop = top + (bottom - top - fullHeight) / 2;
    const std::int64_t x0 = std::max({left, pictureLeft, std::int64_t{0}});
    const std::int64_t x1 = std::min({right, pictureLeft + fullWidth, std::int64_t{canvasWidth}});
    const std::int64_t y0 = std::max({top, pictureTop, std::int64_t{0}});
    const std::int64_t y1 = std::min({bottom, pictureTop + fullHeight, std::int64_t{canvasHeight}});
    if (x0 >= x1 || y0 >= y1)
        return std::nullopt;
    Placement placement;
    placement.window.left = static_cast<std::int32_t>(x0 - pictureLeft);
    placement.window.bottom = static_cast<std::int32_t>(fullHeight - (y1 - pictureTop));
    placement.window.width = static_cast<std::int32_t>(x1 - x0);
    placement.window.height = static_cast<std::int32_t>(y1 - y0);
    placement.canvasX = static_cast<std::int32_t>(x0);
    placement.canvasRow = static_cast<std::int32_t>(canvasHeight - y1);
    return placement;
}

void PaintCanvas(const Canvas24& canvas, std::uint8_t blue, std::uint8_t green,
                 std::uint8_t red) noexcept
{
    const std::size_t stride = CanvasStride(canvas.width);
    const std::size_t bytes = static_cast<std::size_t>(canvas.width) * 3;
    if (canvas.height <= 0 || bytes == 0)
        return;
    for (std::size_t k = 0; k < bytes; k += 3) {
        canvas.bits[k] = blue;
        canvas.bits[k + 1] = green;
        canvas.bits[k + 2] = red;
    }
    for (std::int32_t row = 1; row < canvas.height; ++row)
        std::memcpy(canvas.bits + static_cast<std::size_t>(row) * stride, canvas.bits, bytes);
}

void TurnCanvasRound(const Canvas24& canvas, std::int32_t x, std::int32_t y) noexcept
{
    if (canvas.width <= 0 || canvas.height <= 0)
        return;
    const std::size_t stride = CanvasStride(canvas.width);
    const std::size_t bytes = static_cast<std::size_t>(canvas.width) * 3;
    const std::int32_t across = ((x % canvas.width) + canvas.width) % canvas.width;
    const std::int32_t down = ((y % canvas.height) + canvas.height) % canvas.height;
    std::uint8_t* const end = canvas.bits + static_cast<std::size_t>(canvas.height) * stride;
    // Rows are stored bottom-up: the row y down from the top becomes the top one when the
    // stored rows turn by y towards the end.
    if (down != 0) {
        std::rotate(canvas.bits,
                    canvas.bits + static_cast<std::size_t>(canvas.height - down) * stride, end);
    }
    if (across != 0) {
        for (std::uint8_t* row = canvas.bits; row < end; row += stride)
            std::rotate(row, row + static_cast<std::size_t>(across) * 3, row + bytes);
    }
}
