#include "ReferenceFill.h"

#include <algorithm>
#include <cstddef>

namespace {

std::size_t Stride(std::int32_t width)
{
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

}  // namespace

void ReferenceFill(const std::uint8_t* src, std::int32_t width, std::int32_t height,
                   std::uint8_t* dst, std::int32_t outWidth, std::int32_t outHeight)
{
    const std::size_t srcStride = Stride(width);
    const std::size_t dstStride = Stride(outWidth);
    const double dx = static_cast<double>(width - 1) / outWidth;
    const double dy = static_cast<double>(height - 1) / outHeight;
    double sy = 0;
    for (std::int32_t y = 0; y < outHeight; ++y) {
        const std::int64_t iy = static_cast<std::int64_t>(sy);
        const double fy = sy - iy;
        // A neighbour past the last row or column is the pixel itself.
        const std::int64_t row0 = std::min<std::int64_t>(iy, height - 1);
        const std::int64_t row1 = std::min<std::int64_t>(iy + 1, height - 1);
        double sx = 0;
        for (std::int32_t x = 0; x < outWidth; ++x) {
            const std::int64_t ix = static_cast<std::int64_t>(sx);
            const double fx = sx - ix;
            const std::int64_t col0 = std::min<std::int64_t>(ix, width - 1);
            const std::int64_t col1 = std::min<std::int64_t>(ix + 1, width - 1);
            for (int c = 0; c < 3; ++c) {
                auto P = [&](std::int64_t row, std::int64_t column) {
                    return src[row * srcStride + column * 3 + c];
                };
                const double v = P(row0, col0) * (1 - fx) * (1 - fy) +
                                 P(row0, col1) * fx * (1 - fy) + P(row1, col1) * fx * fy +
                                 P(row1, col0) * (1 - fx) * fy;
                dst[y * dstStride + x * 3 + c] = static_cast<std::uint8_t>(static_cast<int>(v));
            }
            sx += dx;
        }
        sy += dy;
    }
}
